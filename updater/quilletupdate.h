#ifndef QUILLETUPDATE_H
#define QUILLETUPDATE_H

#include <QObject>
#include <QString>

class QLocalSocket;

// The updater's session with the main program: reports progress over the
// local socket "QuilletUpdate" and stops on "Cancel" or when the main program
// goes away.
class QuilletUpdate : public QObject
{
    Q_OBJECT
public:
    explicit QuilletUpdate(const QString &argument, QObject *parent = nullptr);

    bool badArguments() const { return m_badArguments; }

private slots:
    void slotConnected();
    void slotDataReceived();
    void slotExit();

private:
    void send(const QString &line);

    QLocalSocket *m_socket = nullptr;
    QString m_versionNumber;
    bool m_reset = false;
    int m_lastProgress = -1;
    bool m_badArguments = false;
};

#endif
