#ifndef TERMINATIONSIGNALS_H
#define TERMINATIONSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (log-out, shutdown, `kill`) into a Qt signal on
// the thread that created the object, so the program can end in order
// instead of dying where it stands. The handler only writes the signal's
// number into a pipe; a socket notifier reads it in the event loop.
// One object per program.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // False when the pipe or the handlers could not be set up.
    bool isInstalled() const { return m_notifier != nullptr; }
    // The first signal received, 0 before any.
    int received() const { return m_received; }

signals:
    // Once per signal received; `number` is SIGTERM or SIGHUP.
    void terminationRequested(int number);

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    int m_received = 0;
};

#endif
