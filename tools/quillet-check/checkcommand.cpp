#include "checkcommand.h"

#include "accountstatus.h"
#include "checktask.h"
#include "checktaskthread.h"
#include "currentlanguage.h"
#include "documentchunks.h"
#include "preferences.h"
#include "resultstore.h"
#include "useraccess.h"
#include "vocabularydata.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>

CheckCommand::CheckCommand(const Options &options, QObject *parent)
    : QObject(parent)
    , m_options(options)
    , m_store(std::make_unique<ResultStore>())
{
}

CheckCommand::~CheckCommand()
{
    delete m_run;
}

void CheckCommand::start()
{
    if (!m_options.user.isEmpty())
        logIn();
    else
        check();
}

void CheckCommand::fail(ExitCode code, const QString &message)
{
    if (m_done)
        return;
    m_done = true;
    std::fprintf(stderr, "quillet-check: %s\n", qPrintable(message));
    QCoreApplication::exit(code);
}

void CheckCommand::logIn()
{
    GammaLib::UserAccess &access = GammaLib::UserAccess::instance();
    connect(&access, &GammaLib::UserAccess::LoginFinished, this, &CheckCommand::onLoginFinished,
            Qt::SingleShotConnection);
    access.Login(m_options.user, GammaLib::passwordHash(m_options.password));
}

void CheckCommand::onLoginFinished(int code)
{
    if (code == GammaLib::StatusSuccess && !GammaLib::UserAccess::instance().sessionKey().isEmpty()) {
        check();
        return;
    }
    if (code == GammaLib::StatusNetworkError) {
        fail(Unreachable, QStringLiteral("the account service at %1 cannot be reached")
                              .arg(GammaLib::UserAccess::loginUrl()));
        return;
    }
    fail(Refused, QStringLiteral("log-in refused for user \"%1\" (account status %2)")
                      .arg(m_options.user)
                      .arg(code));
}

void CheckCommand::check()
{
    const int level = Preferences().englishLevel();
    m_document = std::make_unique<DocumentChunks>(m_options.text, level);

    m_run = new CheckTaskThread();
    m_run->task()->setTimeoutMs(m_options.timeoutSeconds * 1000);
    connect(m_run, &CheckTaskThread::signalUpdateState, this, &CheckCommand::onState);
    connect(m_run, &CheckTaskThread::signalFinished, this, &CheckCommand::onFinished);
    m_run->startTask(GammaLib::UserAccess::instance().sessionKey(), m_store.get(),
                     m_document->texts(), m_document->chunks(), level);
}

void CheckCommand::onState(const CResultState &state)
{
    m_report.results.insert(state.sentInd, state);
}

void CheckCommand::onFinished(QNetworkReply::NetworkError err)
{
    if (m_done)
        return;
    const QString url = m_run->task()->url().toString();
    switch (err) {
    case QNetworkReply::NoError:
        break;
    case QNetworkReply::AuthenticationRequiredError:
        fail(Refused, QStringLiteral("the checking service at %1 refused the session%2")
                          .arg(url, m_options.user.isEmpty()
                                        ? QStringLiteral("; log in with --user and --password")
                                        : QString()));
        return;
    case QNetworkReply::TimeoutError:
        fail(TimedOut, QStringLiteral("no answer from the checking service at %1 within %2 seconds")
                           .arg(url)
                           .arg(m_options.timeoutSeconds));
        return;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
        fail(Unreachable, QStringLiteral("the checking service at %1 cannot be reached (network error %2)")
                              .arg(url)
                              .arg(int(err)));
        return;
    default:
        fail(OtherFailure, QStringLiteral("the check at %1 failed (network error %2)").arg(url).arg(int(err)));
        return;
    }

    m_report.lexicalScore = m_run->lexicalScore();
    m_report.syntaxScore = m_run->syntaxScore();
    m_report.levelCounts = m_run->levelCounts();
    m_report.firstLevel = VocabularyData::firstLevel(GammaLib::currentLanguage());
    m_report.words = m_run->wordTotal();
    const QByteArray out = m_options.json ? m_report.json(*m_document) : m_report.text(*m_document).toUtf8();
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
    m_done = true;
    QCoreApplication::exit(Success);
}
