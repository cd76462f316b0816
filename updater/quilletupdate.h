#ifndef QUILLETUPDATE_H
#define QUILLETUPDATE_H

#include "configfile.h"
#include "updateentry.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QLocalSocket;

namespace GammaLib {
class UpdateManager;
class VersionHelper;
} // namespace GammaLib

// One run of the updater: fetches the file list of the version to install,
// downloads what is missing or older, installs it, records the new versions
// in "ver.dat" and reports progress and the outcome to the main program over
// the local socket "QuilletUpdate". Every path ends the program with exit
// code 0 after its last message.
class QuilletUpdate : public QObject
{
    Q_OBJECT
public:
    // The argument: version number, "|", reset flag. Works on the folder
    // the program lives in.
    explicit QuilletUpdate(const QString &argument, QObject *parent = nullptr);
    ~QuilletUpdate() override;

    bool badArguments() const { return m_badArguments; }

private slots:
    void slotConnected();
    void slotGetFileListFinished(const QStringList &list);
    void slotUpdateFinished(bool ok);
    void slotDownloadProgress(int progress);
    void slotDownloadFinished();
    void slotDataReceived();
    void slotExit();

private:
    void send(const QString &line);
    // The outcome is known: report it and end.
    void finish(const QString &line);
    void quitSoon();
    void slotSocketError();
    QByteArray newVersionFile();

    QLocalSocket *m_socket = nullptr;
    GammaLib::VersionHelper *m_versionHelper = nullptr;
    ConfigFile m_versionFile;
    QList<GammaLib::UpdateEntry> m_updateList;
    GammaLib::UpdateManager *m_manager = nullptr;
    QString m_versionNumber;
    bool m_reset = false;
    int m_lastProgress = -1;
    bool m_badArguments = false;

    QString m_applicationDir;
    QString m_outcome;      // "UpdateSuccess" or "UpdateFail" once known
    bool m_noListener = false;
    bool m_quitting = false;
};

#endif
