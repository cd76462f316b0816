#ifndef USERINFORMATION_H
#define USERINFORMATION_H

#include "usercorrectionrecord.h"

#include <QMap>
#include <QObject>
#include <QStringList>

class QNetworkAccessManager;
class QTimer;

namespace GammaLib {

class UserCountLog;
class UserNewWord;

// The usage counters and glossary of one window: named events, correction
// records, the user's glossary and the words added in this run. Sends them
// all at once when the window closes, and fetches the sample text.
class UserInformation : public QObject
{
    Q_OBJECT

public:
    // Starts with a Refresh().
    explicit UserInformation(QObject *parent = nullptr);

    // Used in place of a session key for events of a user who never signed in.
    static QString anonymousSessionKey() { return QStringLiteral("2727-2727"); }
    // "http://" + API host + "/Veska/GetSampleText"
    static QString sampleTextUrl();

    // Counts one event ("QL_" + area + "_" + action).
    void LogEvent(const QString &name);
    // Adds the record unless an equal one is already there.
    void AddCorrectionRecord(const UserCorrectionRecord &record);

    // The exit upload of events, added words and correction records; ends in
    // signalUploaded() once all three parts have finished. A part with
    // nothing to send (or no session key to send it with) is finished at
    // once, so with nothing at all the signal comes before this returns.
    void Upload(const QString &sessionKey);
    // Sends the event table alone and waits for the answer; nothing is sent
    // for an empty table.
    void UploadEventsInBlock(const QString &sessionKey);

    // Empties the counters, the records and the added words, and downloads
    // the glossary with the session key of UserAccess.
    void Refresh();

    // Adds the word to the glossary and to the words to upload.
    void AddUserWord(const QString &word);
    // Case-sensitive whole-text match.
    bool IsInGlossary(const QString &text) const;

    QMap<QString, int> events() const { return m_events; }
    QList<UserCorrectionRecord> correctionRecords() const { return m_records; }
    QStringList glossary() const { return m_glossary; }
    QStringList addedWords() const { return m_addedWords; }
    int finishedParts() const { return m_finishedParts; }

    UserCountLog *countLog() const { return m_countLog; }
    UserNewWord *newWord() const { return m_newWord; }

    // Time-outs: the pause before the sample text is asked for again
    // (5000 ms), and the limit for a server that stops sending (10000 ms),
    // applied to every request this object makes.
    void setSampleTextRetryDelay(int ms) { m_sampleRetryMs = ms; }
    void setTransferTimeout(int ms);

signals:
    void signalUploaded();
    void signalSampleText(const QString &text);

public slots:
    void slotRequestSampleText();
    void slotCheckUpload();
    void slotGetWordList(const QStringList &words);

private slots:
    void OnSampleText();

private:
    static constexpr int UploadParts = 3;

    QMap<QString, int> m_events;
    QStringList m_glossary;
    QStringList m_addedWords;
    QList<UserCorrectionRecord> m_records;
    UserCountLog *m_countLog;
    UserNewWord *m_newWord;
    QNetworkAccessManager *m_manager;
    QTimer *m_sampleRetry;
    int m_finishedParts = 0;
    bool m_uploading = false;
    int m_sampleRetryMs = 5000;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
