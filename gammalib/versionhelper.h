#ifndef VERSIONHELPER_H
#define VERSIONHELPER_H

#include <QObject>
#include <QString>
#include <QStringList>

class QNetworkAccessManager;

namespace GammaLib {

// Asks the version service for the latest version and for the files that
// make it up, and reads the installed version from "ver.dat". Every failure,
// of the network or an empty answer, arrives as an empty list.
class VersionHelper : public QObject
{
    Q_OBJECT

public:
    explicit VersionHelper(const QString &address = defaultAddress(), QObject *parent = nullptr);

    // API host + "/update/quilletapp"
    static QString defaultAddress();
    QString address() const { return m_address; }

    // Ends in GetLastestVersionFinished(fields): the answer split at "|".
    void requestLatestVersion();
    // The same request, waiting in a local event loop. On success the fields
    // are stored (lastAnswer()) and true is returned; on failure the stored
    // list stays as it was and false is returned.
    bool requestLatestVersionInBlock();
    QStringList lastAnswer() const { return m_lastAnswer; }

    // Ends in GetVersionFileListFinished(entries): "name|version|address|folder"
    // entries of the given version.
    void requestFileList(const QString &versionNumber);

    // "VersionId" of "ver.dat" in the program folder (or the given one); 0
    // when the file is missing.
    static int installedVersion(const QString &programFolder = QString());

    static QStringList parseLatestVersion(const QString &body);
    static QStringList parseFileList(const QString &body);
    // A usable latest-version answer has at least five fields.
    static bool isCompleteAnswer(const QStringList &fields);
    // Field 4 equal to field 0: the update also resets the user's settings.
    static bool resetsSettings(const QStringList &fields);

    // A request whose server sends nothing for this long fails (10000 ms).
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

signals:
    void explains();
    void GetLastestVersionFinished(const QStringList &result);
    void GetVersionFileListFinished(const QStringList &result);

private slots:
    void OnGetLastestVersion();
    void OnGetLastestVersionInBlock();
    void OnGetVersionFileList();

private:
    QString m_address;
    QNetworkAccessManager *m_manager;
    QStringList m_lastAnswer;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
