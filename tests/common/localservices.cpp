#include "localservices.h"

#include "serviceaddresses.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <signal.h>

LocalServices::LocalServices() = default;

LocalServices::~LocalServices()
{
    stop();
}

bool LocalServices::start(const QStringList &extraArguments)
{
    stop();
    m_dataDir = std::make_unique<QTemporaryDir>();
    if (!m_dataDir->isValid())
        return false;
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    if (node.isEmpty())
        return false;
    m_process = std::make_unique<QProcess>();
    m_process->setProgram(node);
    m_process->setArguments(QStringList{QStringLiteral(QUILLET_SOURCE_DIR "/services/src/server.mjs"),
                                        QStringLiteral("--port"), QStringLiteral("0"),
                                        QStringLiteral("--data"), m_dataDir->path()}
                            + extraArguments);
    m_process->setWorkingDirectory(QStringLiteral(QUILLET_SOURCE_DIR "/services"));
    m_process->start();
    if (!m_process->waitForStarted(5000)) {
        m_process.reset();
        return false;
    }
    QByteArray out;
    // Loading the grammar engine takes a few seconds on an idle machine and
    // much longer when every core is busy compiling or running other tests.
    QDeadlineTimer deadline(120000);
    while (!deadline.hasExpired()) {
        m_process->waitForReadyRead(200);
        out += m_process->readAllStandardOutput();
        m_stderr += m_process->readAllStandardError();
        // "listening <port>", then "notes <port>" for the note service.
        const QList<QByteArray> lines = out.split('\n');
        if (lines.size() >= 3) {
            bool ok = false;
            bool noteOk = false;
            const QByteArray first = lines.at(0).trimmed();
            const QByteArray second = lines.at(1).trimmed();
            const int port = first.startsWith("listening ") ? first.mid(10).toInt(&ok) : 0;
            const int notePort = second.startsWith("notes ") ? second.mid(6).toInt(&noteOk) : 0;
            if (ok && noteOk && port > 0 && notePort > 0) {
                m_port = port;
                m_notePort = notePort;
                return true;
            }
            break;
        }
        if (m_process->state() == QProcess::NotRunning)
            break;
    }
    stop();
    return false;
}

void LocalServices::stop()
{
    if (m_process) {
        if (m_process->state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(m_process->processId()), SIGTERM);
            if (!m_process->waitForFinished(10000)) {
                m_process->kill();
                m_process->waitForFinished(5000);
            }
        }
        m_stderr += m_process->readAllStandardError();
        m_process.reset();
    }
    m_port = 0;
    m_notePort = 0;
    m_dataDir.reset();
}

void LocalServices::killNow()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(10000);
    }
}

bool LocalServices::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running;
}

QString LocalServices::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

QString LocalServices::noteHost() const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_notePort);
}

QString LocalServices::dataDir() const
{
    return m_dataDir ? m_dataDir->path() : QString();
}

QString LocalServices::errorOutput() const
{
    if (m_process)
        m_stderr += m_process->readAllStandardError();
    return QString::fromUtf8(m_stderr);
}

QByteArray LocalServices::postForm(const QString &path, const QByteArray &body, int timeoutMs) const
{
    QNetworkAccessManager manager;
    manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkRequest request(QUrl(QStringLiteral("http://") + host() + path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/x-www-form-urlencoded"));
    QNetworkReply *reply = manager.post(request, body);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QByteArray answer;
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        answer = reply->readAll();
    else
        reply->abort();
    delete reply;
    return answer;
}

QString LocalServices::registerAndLogIn(const QString &email, const QString &password)
{
    if (!isRunning())
        return QString();
    const QString hash = QString::fromLatin1(
        QCryptographicHash::hash(password.toUtf8(), QCryptographicHash::Md5).toHex().toUpper());

    QUrlQuery registration;
    registration.addQueryItem(QStringLiteral("e"), QString(email).replace(QLatin1Char('+'), QStringLiteral("%2b")));
    registration.addQueryItem(QStringLiteral("p"), hash);
    registration.addQueryItem(QStringLiteral("from"), QStringLiteral("ostrel"));
    const QByteArray registered = postForm(QStringLiteral("/register/register.ashx"),
                                           registration.query(QUrl::FullyEncoded).toUtf8());
    // An account made earlier in the same data folder may log in as well.
    if (registered != "success" && registered != "040")
        return QString();

    QUrlQuery login;
    login.addQueryItem(QStringLiteral("userName"), email);
    login.addQueryItem(QStringLiteral("hashUserPassword"), hash);
    login.addQueryItem(QStringLiteral("area"), QStringLiteral("ostrel"));
    const QString answer = QString::fromUtf8(
        postForm(QStringLiteral("/Login-new.ashx"), login.query(QUrl::FullyEncoded).toUtf8()));
    const QStringList parts = answer.split(QLatin1Char('|'));
    if (parts.size() != 3 || parts.at(0) != QLatin1String("Success"))
        return QString();
    return parts.at(1);
}

void LocalServices::pointServiceTableHere() const
{
    GammaLib::ServiceAddresses &table = GammaLib::ServiceAddresses::instance();
    table.setProductHosts(host());
    table.setScheme(GammaLib::ServiceAddresses::Evernote, QStringLiteral("http"));
    table.setHost(GammaLib::ServiceAddresses::Evernote, noteHost());
}
