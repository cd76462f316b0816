#include "oauthencoding.h"

#include <QMessageAuthenticationCode>
#include <QUrl>
#include <algorithm>

namespace GammaLib {
namespace OAuth {

QString percentEncode(const QString &text)
{
    static const char hex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const unsigned char u = static_cast<unsigned char>(c);
        const bool plain = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9')
                           || u == '-' || u == '.' || u == '_' || u == '~';
        if (plain) {
            out.append(c);
        } else {
            out.append('%');
            out.append(hex[u >> 4]);
            out.append(hex[u & 0x0F]);
        }
    }
    return QString::fromLatin1(out);
}

static int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QString percentDecode(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    QByteArray out;
    out.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '%' && i + 2 < bytes.size()) {
            const int high = hexValue(bytes.at(i + 1));
            const int low = hexValue(bytes.at(i + 2));
            if (high >= 0 && low >= 0) {
                out.append(char(high * 16 + low));
                i += 2;
                continue;
            }
        }
        out.append(bytes.at(i));
    }
    return QString::fromUtf8(out);
}

QString baseStringUri(const QString &url)
{
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    QString result = scheme + QStringLiteral("://") + parsed.host().toLower();
    const int port = parsed.port();
    if (port >= 0 && !((scheme == QLatin1String("http") && port == 80)
                       || (scheme == QLatin1String("https") && port == 443)))
        result += QLatin1Char(':') + QString::number(port);
    const QString path = parsed.path(QUrl::FullyEncoded);
    result += path.isEmpty() ? QStringLiteral("/") : path;
    return result;
}

QString parameterString(const QList<Parameter> &parameters)
{
    QList<Parameter> encoded;
    encoded.reserve(parameters.size());
    for (const Parameter &parameter : parameters)
        encoded.append({percentEncode(parameter.first), percentEncode(parameter.second)});
    std::sort(encoded.begin(), encoded.end(), [](const Parameter &a, const Parameter &b) {
        const int byName = QString::compare(a.first, b.first, Qt::CaseSensitive);
        if (byName != 0)
            return byName < 0;
        return QString::compare(a.second, b.second, Qt::CaseSensitive) < 0;
    });
    QStringList pairs;
    for (const Parameter &parameter : encoded)
        pairs.append(parameter.first + QLatin1Char('=') + parameter.second);
    return pairs.join(QLatin1Char('&'));
}

QString signatureBaseString(const QString &method, const QString &url,
                            const QList<Parameter> &parameters)
{
    return method.toUpper() + QLatin1Char('&') + percentEncode(baseStringUri(url)) + QLatin1Char('&')
           + percentEncode(parameterString(parameters));
}

QString hmacSha1Base64(const QByteArray &key, const QByteArray &data)
{
    return QString::fromLatin1(
        QMessageAuthenticationCode::hash(data, key, QCryptographicHash::Sha1).toBase64());
}

QByteArray signingKey(const QString &consumerSecret, const QString &tokenSecret)
{
    return QStringLiteral("%1&%2").arg(percentEncode(consumerSecret), percentEncode(tokenSecret)).toLatin1();
}

QMap<QString, QString> parseForm(const QByteArray &body)
{
    QMap<QString, QString> values;
    const QList<QByteArray> parts = body.trimmed().split('&');
    for (const QByteArray &part : parts) {
        if (part.isEmpty())
            continue;
        const qsizetype equals = part.indexOf('=');
        const QByteArray name = equals < 0 ? part : part.left(equals);
        const QByteArray value = equals < 0 ? QByteArray() : part.mid(equals + 1);
        values.insert(percentDecode(QString::fromUtf8(name)), percentDecode(QString::fromUtf8(value)));
    }
    return values;
}

} // namespace OAuth
} // namespace GammaLib
