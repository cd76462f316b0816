#ifndef CLOSEREQUESTSERVER_H
#define CLOSEREQUESTSERVER_H

#include <QLocalServer>
#include <QObject>
#include <QTimer>

class QLocalSocket;

// The local server on which a running copy hears from a newer copy.
//
// A connection that ends (or stays silent for a second) without a word asks
// this copy to quit: that is what a copy started with "restart" does. A
// connection may instead carry words, one per line (Latin-1, blanks trimmed):
// "raise" asks this copy to bring its windows to the front, which a second
// copy started by the user sends before it exits. Unknown words are ignored;
// a connection that carried any word is never a request to quit.
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

    // How long a silent connection is waited for before it counts as a
    // request to quit (1000 ms).
    void setSilenceLimit(int ms) { m_silenceLimit = ms; }

    // The word that asks the running copy to show itself.
    static QByteArray raiseWord() { return QByteArrayLiteral("raise"); }

signals:
    void closeRequested();
    void raiseRequested();

private slots:
    void retry();
    void acceptConnections();

private:
    bool nameIsStale() const;
    void takeWords(QLocalSocket *peer);
    void readWords(QLocalSocket *peer);
    void finish(QLocalSocket *peer);

    QLocalServer m_server;
    QTimer m_retry;
    QString m_name;
    int m_refusedInARow = 0;
    int m_silenceLimit = 1000;
};

#endif
