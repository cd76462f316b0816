#ifndef FORMPOST_H
#define FORMPOST_H

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;

namespace GammaLib {

// Fields of an HTML form in the order they are added.
using FormFields = QList<QPair<QString, QString>>;

// How a plus sign in a value is written. The account service's log-in and
// e-mail check take it as it is; everywhere else it is escaped so that it
// does not arrive as a space.
enum class PlusSign { Escape, Keep };

// One value percent-encoded as UTF-8. Letters, digits and "-._~!$'()*,;:@/?"
// stay as they are; every other byte, "%" included, becomes "%XX".
QByteArray encodeFormValue(const QString &value, PlusSign plus = PlusSign::Escape);

// "key=value&key=value" in the order of the fields, without a leading "?".
QByteArray formBody(const FormFields &fields, PlusSign plus = PlusSign::Escape);

// How long a request may go without any data before it is given up, when
// the caller has no time-out figure of its own.
constexpr int DefaultTransferTimeoutMs = 10000;

// A request for url with the given transfer time-out (0 means none).
QNetworkRequest makeRequest(const QString &url, int transferTimeoutMs);

// POSTs the form as "application/x-www-form-urlencoded".
QNetworkReply *postForm(QNetworkAccessManager *manager, const QString &url,
                        const QByteArray &body, int transferTimeoutMs);

} // namespace GammaLib

#endif
