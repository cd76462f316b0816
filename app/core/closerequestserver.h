#ifndef CLOSEREQUESTSERVER_H
#define CLOSEREQUESTSERVER_H

#include <QLocalServer>
#include <QObject>
#include <QTimer>

// The local server on which a running copy hears that a newer copy wants it
// to quit: every incoming connection is such a request; nothing is read.
//
// A copy started with "restart" finds the name still held by the copy it
// replaces. It then keeps trying until that copy has let go of the name (or
// turns out to have died without removing its socket file), so that the
// handshake works again for the restart after this one.
class CloseRequestServer : public QObject
{
    Q_OBJECT

public:
    explicit CloseRequestServer(const QString &name, QObject *parent = nullptr);

    // holdsGuard: this process took the single-instance guard, so a socket
    // file under the name can only be a leftover of a killed copy.
    // Returns whether the server listens now; if not and !holdsGuard, it goes
    // on trying in the background.
    bool start(bool holdsGuard);
    bool isListening() const { return m_server.isListening(); }

    // Pause between two attempts while the name is held (250 ms).
    void setRetryInterval(int ms) { m_retry.setInterval(ms); }

signals:
    void closeRequested();

private slots:
    void retry();

private:
    bool nameIsStale() const;

    QLocalServer m_server;
    QTimer m_retry;
    QString m_name;
    int m_refusedInARow = 0;
};

#endif
