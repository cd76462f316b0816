#include "usernewword.h"

#include "formpost.h"
#include "serviceaddresses.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace GammaLib {

UserNewWord::UserNewWord(QObject *parent)
    : QObject(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
}

QString UserNewWord::baseUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Account, QStringLiteral("/NotPublic/"));
}

QStringList UserNewWord::parseWordList(const QString &body)
{
    if (body.isEmpty())
        return QStringList();
    return body.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

bool UserNewWord::GetUserWordList(const QString &sessionKey)
{
    if (sessionKey.isEmpty())
        return false;
    if (m_listReply) {
        disconnect(m_listReply, nullptr, this, nullptr);
        m_listReply->abort();
        m_listReply->deleteLater();
    }
    m_listReply = postForm(m_manager, baseUrl() + QStringLiteral("UserWordList.ashx"),
                           formBody({{QStringLiteral("sessionKey"), sessionKey}}), m_transferTimeoutMs);
    connect(m_listReply, &QNetworkReply::finished, this, &UserNewWord::OnGetUserWordList);
    return true;
}

void UserNewWord::OnGetUserWordList()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    if (reply == m_listReply)
        m_listReply = nullptr;
    QStringList words;
    if (reply->error() == QNetworkReply::NoError)
        words = parseWordList(QString::fromUtf8(reply->readAll()));
    emit GetUserWordListFinished(words);
}

bool UserNewWord::AddUserWord(const QString &sessionKey, const QStringList &words)
{
    if (sessionKey.isEmpty() || words.isEmpty())
        return false;
    QString joined;
    for (const QString &word : words)
        joined += word + QLatin1Char(';');
    QNetworkReply *reply = postForm(m_manager, baseUrl() + QStringLiteral("UserWordBulkAdd.ashx"),
                                    formBody({{QStringLiteral("sessionKey"), sessionKey},
                                              {QStringLiteral("words"), joined}}),
                                    m_transferTimeoutMs);
    connect(reply, &QNetworkReply::finished, this, &UserNewWord::OnAddUserWord);
    return true;
}

void UserNewWord::OnAddUserWord()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    const bool ok = reply->error() == QNetworkReply::NoError
                    && QString::fromUtf8(reply->readAll()) == QLatin1String("ok");
    emit AddUserWordFinished(ok);
}

} // namespace GammaLib
