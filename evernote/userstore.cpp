#include "userstore.h"

#include "edamresult.h"
#include "serviceaddresses.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"

namespace GammaLib {

QUrl UserStore::defaultUrl()
{
    return QUrl(ServiceAddresses::instance().url(ServiceAddresses::Evernote, QStringLiteral("/edam/user")));
}

UserStore::UserStore(QObject *parent)
    : UserStore(defaultUrl(), parent)
{
}

UserStore::UserStore(const QUrl &url, QObject *parent)
    : QObject(parent)
    , m_transport(new THttpClient(url, this))
    , m_protocol(new TBinaryProtocol(m_transport, this))
{
}

void UserStore::getNoteStoreUrl(const QString &authenticationToken)
{
    m_transport->abort();
    disconnect(m_transport, &THttpClient::signalFinished, this, nullptr);
    connect(m_transport, &THttpClient::signalFinished, this, &UserStore::slotGetNoteStoreUrl);

    m_transport->rewind();
    m_protocol->writeMessageBegin(QStringLiteral("getNoteStoreUrl"), TMessageType::Call, 0);
    m_protocol->writeFieldBegin(QStringLiteral("authenticationToken"), TType::String, 1);
    m_protocol->writeString(authenticationToken);
    m_protocol->writeFieldStop();
    m_transport->flush();
}

void UserStore::cancel()
{
    m_transport->abort();
}

void UserStore::slotGetNoteStoreUrl(bool ok)
{
    QString url;
    EDAMErrorCode code = EDAMResult::read(*m_protocol, ok, [this, &url](qint8 type) {
        return m_protocol->readField(type, TType::String, [this, &url] {
            url = m_protocol->readString();
            return true;
        });
    });
    // The token must not travel in clear to anyone new: an https address, or
    // one on the very host and port of a user store reached over http (the
    // local note service).
    if (code == EDAM::Success) {
        const QUrl parsed(url);
        const QUrl own = m_transport->url();
        const bool secure = parsed.scheme() == QLatin1String("https");
        const bool sameServer = parsed.scheme() == own.scheme() && parsed.host() == own.host()
                                && parsed.port(-1) == own.port(-1);
        if (!parsed.isValid() || parsed.host().isEmpty() || !(secure || sameServer))
            code = EDAM::MalformedAnswer;
    }
    if (code != EDAM::Success)
        url.clear();
    emit signalGetNoteStoreUrlRes(code, url);
}

} // namespace GammaLib
