#include "userinformation.h"

#include "clientidentity.h"
#include "formpost.h"
#include "serviceaddresses.h"
#include "useraccess.h"
#include "usercountlog.h"
#include "usernewword.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace GammaLib {

UserInformation::UserInformation(QObject *parent)
    : QObject(parent)
    , m_countLog(new UserCountLog(this))
    , m_newWord(new UserNewWord(this))
    , m_manager(new QNetworkAccessManager(this))
    , m_sampleRetry(new QTimer(this))
    , m_transferTimeoutMs(DefaultTransferTimeoutMs)
{
    m_sampleRetry->setSingleShot(true);
    connect(m_sampleRetry, &QTimer::timeout, this, &UserInformation::slotRequestSampleText);
    connect(m_countLog, &UserCountLog::AddUserEventFinished, this, &UserInformation::slotCheckUpload);
    connect(m_countLog, &UserCountLog::signalAddUserCorrectionLogFinished, this,
            &UserInformation::slotCheckUpload);
    connect(m_newWord, &UserNewWord::AddUserWordFinished, this, &UserInformation::slotCheckUpload);
    connect(m_newWord, &UserNewWord::GetUserWordListFinished, this, &UserInformation::slotGetWordList);
    Refresh();
}

QString UserInformation::sampleTextUrl()
{
    return ServiceAddresses::instance().url(ServiceAddresses::Api, QStringLiteral("/Veska/GetSampleText"));
}

void UserInformation::setTransferTimeout(int ms)
{
    m_transferTimeoutMs = ms;
    m_countLog->setTransferTimeout(ms);
    m_newWord->setTransferTimeout(ms);
}

void UserInformation::LogEvent(const QString &name)
{
    ++m_events[name];
}

void UserInformation::AddCorrectionRecord(const UserCorrectionRecord &record)
{
    if (!m_records.contains(record))
        m_records.append(record);
}

void UserInformation::Upload(const QString &sessionKey)
{
    m_finishedParts = 0;
    m_uploading = true;
    // Each part either sends and finishes with its answer, or finishes now.
    if (!m_countLog->AddUserEvent(sessionKey, m_events, clientCodeName()))
        slotCheckUpload();
    if (!m_newWord->AddUserWord(sessionKey, m_addedWords))
        slotCheckUpload();
    if (!m_countLog->AddUserCorrectionLog(sessionKey, m_records))
        slotCheckUpload();
}

void UserInformation::UploadEventsInBlock(const QString &sessionKey)
{
    m_countLog->AddUserEventInBlock(sessionKey, m_events, clientCodeName());
}

void UserInformation::slotCheckUpload()
{
    if (!m_uploading)
        return;
    if (++m_finishedParts >= UploadParts) {
        m_uploading = false;
        emit signalUploaded();
    }
}

void UserInformation::Refresh()
{
    m_events.clear();
    m_records.clear();
    m_addedWords.clear();
    if (!m_uploading)
        m_finishedParts = 0;
    m_newWord->GetUserWordList(UserAccess::instance().sessionKey());
}

void UserInformation::slotGetWordList(const QStringList &words)
{
    // The download replaces the list, but a word the user added while it was
    // on its way has not reached the server yet: it stays a glossary word.
    m_glossary = words;
    for (const QString &word : std::as_const(m_addedWords)) {
        if (!m_glossary.contains(word))
            m_glossary.append(word);
    }
}

void UserInformation::AddUserWord(const QString &word)
{
    m_glossary.append(word);
    m_addedWords.append(word);
}

bool UserInformation::IsInGlossary(const QString &text) const
{
    return m_glossary.contains(text, Qt::CaseSensitive);
}

void UserInformation::slotRequestSampleText()
{
    QNetworkReply *reply = m_manager->get(makeRequest(sampleTextUrl(), m_transferTimeoutMs));
    connect(reply, &QNetworkReply::finished, this, &UserInformation::OnSampleText);
}

void UserInformation::OnSampleText()
{
    auto *reply = qobject_cast<QNetworkReply *>(sender());
    if (!reply)
        return;
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError) {
        // Asked again until it arrives.
        m_sampleRetry->start(m_sampleRetryMs);
        return;
    }
    emit signalSampleText(QString::fromUtf8(reply->readAll()));
}

} // namespace GammaLib
