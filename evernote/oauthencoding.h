#ifndef OAUTHENCODING_H
#define OAUTHENCODING_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace GammaLib {
namespace OAuth {

using Parameter = QPair<QString, QString>;

// RFC 3986 percent-encoding of the UTF-8 form: everything but letters, digits,
// "-", ".", "_" and "~" becomes "%" and two upper-case hexadecimal digits.
QString percentEncode(const QString &text);
// The reverse; "+" stays "+". Malformed escapes are kept as they are.
QString percentDecode(const QString &text);

// Base string URI: lower-case scheme and host, default port dropped, no query
// or fragment.
QString baseStringUri(const QString &url);

// The normalised parameter string: names and values encoded, sorted by
// encoded name and then by encoded value, joined with "=" and "&".
QString parameterString(const QList<Parameter> &parameters);

// METHOD&encoded-URI&encoded-parameter-string
QString signatureBaseString(const QString &method, const QString &url,
                            const QList<Parameter> &parameters);

// HMAC-SHA1 of data under key, Base64-encoded.
QString hmacSha1Base64(const QByteArray &key, const QByteArray &data);

// The signing key: encoded consumer secret, "&", encoded token secret.
QByteArray signingKey(const QString &consumerSecret, const QString &tokenSecret);

// Splits a form-encoded answer ("a=1&b=2") into decoded names and values.
QMap<QString, QString> parseForm(const QByteArray &body);

} // namespace OAuth
} // namespace GammaLib

#endif
