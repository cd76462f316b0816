#include "secretstore.h"

#ifdef QUILLET_HAVE_KEYCHAIN
#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#endif

namespace {

#ifdef QUILLET_HAVE_KEYCHAIN

const QString kService = QStringLiteral("Quillet");
// A keyring that has not answered by then is taken as absent.
constexpr int kAnswerMs = 5000;

class SystemKeyring : public SecretStore
{
public:
    bool isAvailable() override
    {
        if (!m_probed) {
            m_probed = true;
            // Reading a key that is never written tells whether a keyring answers.
            QKeychain::ReadPasswordJob job(kService);
            job.setKey(QStringLiteral("availability-probe"));
            m_available = run(job) && (job.error() == QKeychain::NoError
                                       || job.error() == QKeychain::EntryNotFound);
        }
        return m_available;
    }

    std::optional<QString> read(const QString &key) override
    {
        if (!isAvailable())
            return std::nullopt;
        QKeychain::ReadPasswordJob job(kService);
        job.setKey(key);
        if (!run(job))
            return std::nullopt;
        if (job.error() == QKeychain::EntryNotFound)
            return QString();
        if (job.error() != QKeychain::NoError)
            return std::nullopt;
        return job.textData();
    }

    bool write(const QString &key, const QString &value) override
    {
        if (!isAvailable())
            return false;
        QKeychain::WritePasswordJob job(kService);
        job.setKey(key);
        job.setTextData(value);
        return run(job) && job.error() == QKeychain::NoError;
    }

    bool remove(const QString &key) override
    {
        if (!isAvailable())
            return false;
        QKeychain::DeletePasswordJob job(kService);
        job.setKey(key);
        return run(job) && (job.error() == QKeychain::NoError || job.error() == QKeychain::EntryNotFound);
    }

private:
    // False when the keyring did not answer in time or there is no event loop.
    bool run(QKeychain::Job &job)
    {
        if (!QCoreApplication::instance())
            return false;
        job.setAutoDelete(false);
        QEventLoop loop;
        bool finished = false;
        QObject::connect(&job, &QKeychain::Job::finished, &loop, [&] {
            finished = true;
            loop.quit();
        });
        QTimer::singleShot(kAnswerMs, &loop, &QEventLoop::quit);
        job.start();
        if (!finished)
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        if (!finished)
            m_available = false; // never wait for it again
        return finished;
    }

    bool m_probed = false;
    bool m_available = false;
};

#endif

} // namespace

SecretStore *SecretStore::system()
{
    if (qEnvironmentVariable("QUILLET_KEYRING") == QLatin1String("off"))
        return nullptr;
#ifdef QUILLET_HAVE_KEYCHAIN
    static SystemKeyring keyring;
    return &keyring;
#else
    return nullptr;
#endif
}
