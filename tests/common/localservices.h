#ifndef LOCALSERVICES_H
#define LOCALSERVICES_H

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// The local product services (services/src/server.mjs) started for one test:
// a free loopback port and a fresh data folder, stopped again with SIGTERM.
class LocalServices
{
public:
    LocalServices();
    ~LocalServices();
    LocalServices(const LocalServices &) = delete;
    LocalServices &operator=(const LocalServices &) = delete;

    // Starts node on the server with "--port 0" and waits (about 20 s at
    // most) for its "listening <port>" line. Extra arguments, such as
    // "--session-ttl", go to the server.
    bool start(const QStringList &extraArguments = {});
    void stop();
    // Ends the services at once with SIGKILL, as a crash would.
    void killNow();
    bool isRunning() const;

    int port() const { return m_port; }
    QString host() const; // "127.0.0.1:<port>"
    int notePort() const { return m_notePort; }
    QString noteHost() const; // the note service, "127.0.0.1:<port>"
    QString dataDir() const;
    QString errorOutput() const; // what the server logged so far

    // Registers the account and logs in through the account forms, with the
    // upper-case hex MD5 of the password; returns the session key or "".
    QString registerAndLogIn(const QString &email, const QString &password);

    // Points every product host of the service table, and the note-service
    // host, at this server.
    void pointServiceTableHere() const;

    // POSTs a form body to a path of the server and returns the answer body
    // (empty on a transport error), waiting at most timeoutMs.
    QByteArray postForm(const QString &path, const QByteArray &body, int timeoutMs = 60000) const;

private:
    std::unique_ptr<QProcess> m_process;
    std::unique_ptr<QTemporaryDir> m_dataDir;
    int m_port = 0;
    int m_notePort = 0;
    mutable QByteArray m_stderr;
};

#endif
