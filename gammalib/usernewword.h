#ifndef USERNEWWORD_H
#define USERNEWWORD_H

#include <QObject>
#include <QPointer>
#include <QStringList>

class QNetworkAccessManager;
class QNetworkReply;

namespace GammaLib {

// Downloads the user's glossary and adds words to it on the account host.
class UserNewWord : public QObject
{
    Q_OBJECT

public:
    explicit UserNewWord(QObject *parent = nullptr);

    static QString baseUrl(); // "http://" + account host + "/NotPublic/"

    // Nothing is sent for an empty key. A download still waiting is dropped
    // when a new one starts, so an older list never replaces a newer one.
    // Ends in GetUserWordListFinished(words).
    bool GetUserWordList(const QString &sessionKey);
    // Sends every word followed by ";". Nothing is sent for an empty key or
    // list. Ends in AddUserWordFinished(ok): true only for the answer "ok".
    bool AddUserWord(const QString &sessionKey, const QStringList &words);

    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

    // An empty body gives no words; otherwise the body split at ";" with
    // empty parts kept.
    static QStringList parseWordList(const QString &body);

signals:
    void GetUserWordListFinished(const QStringList &words);
    void AddUserWordFinished(bool ok);

private slots:
    void OnGetUserWordList();
    void OnAddUserWord();

private:
    QNetworkAccessManager *m_manager;
    QPointer<QNetworkReply> m_listReply;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
