#ifndef CHECKCOMMAND_H
#define CHECKCOMMAND_H

#include "report.h"

#include <QNetworkReply>
#include <QObject>
#include <QString>

#include <memory>

class CheckTaskThread;
class DocumentChunks;
class ResultStore;

// One run of quillet-check: optional log-in, then one check run over the
// document; ends by calling QCoreApplication::exit() with the exit code.
class CheckCommand : public QObject
{
    Q_OBJECT

public:
    enum ExitCode {
        Success = 0,
        UsageError = 1,
        Unreachable = 2,
        Refused = 3,
        TimedOut = 4,
        OtherFailure = 5,
    };

    struct Options
    {
        QString text;
        bool json = false;
        QString user;
        QString password;
        int timeoutSeconds = 100;
    };

    explicit CheckCommand(const Options &options, QObject *parent = nullptr);
    ~CheckCommand() override;

    // Begins the work once the event loop runs.
    void start();

private:
    void logIn();
    void onLoginFinished(int code);
    void check();
    void onState(const CResultState &state);
    void onFinished(QNetworkReply::NetworkError err);
    void fail(ExitCode code, const QString &message);

    Options m_options;
    std::unique_ptr<DocumentChunks> m_document;
    std::unique_ptr<ResultStore> m_store;
    CheckTaskThread *m_run = nullptr;
    CheckReport m_report;
    bool m_done = false;
};

#endif
