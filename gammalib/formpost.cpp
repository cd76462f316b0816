#include "formpost.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <cstring>

namespace GammaLib {

QByteArray encodeFormValue(const QString &value, PlusSign plus)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = value.toUtf8();
    QByteArray encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z')
                           || (byte >= '0' && byte <= '9') || std::strchr("-._~!$'()*,;:@/?", byte)
                           || (byte == '+' && plus == PlusSign::Keep);
        if (plain && byte != 0) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

QByteArray formBody(const FormFields &fields, PlusSign plus)
{
    QByteArray body;
    for (const auto &field : fields) {
        if (!body.isEmpty())
            body += '&';
        body += encodeFormValue(field.first, plus) + '=' + encodeFormValue(field.second, plus);
    }
    return body;
}

QNetworkRequest makeRequest(const QString &url, int transferTimeoutMs)
{
    QNetworkRequest request{QUrl(url)};
    if (transferTimeoutMs > 0)
        request.setTransferTimeout(transferTimeoutMs);
    return request;
}

QNetworkReply *postForm(QNetworkAccessManager *manager, const QString &url,
                        const QByteArray &body, int transferTimeoutMs)
{
    QNetworkRequest request = makeRequest(url, transferTimeoutMs);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    return manager->post(request, body);
}

} // namespace GammaLib
