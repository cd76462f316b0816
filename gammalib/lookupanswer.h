#ifndef LOOKUPANSWER_H
#define LOOKUPANSWER_H

#include <QString>

class QNetworkReply;

namespace GammaLib {

// Reading the answers of the dictionary and translation services.
class LookupAnswer
{
public:
    // The reply's body decoded as UTF-8; empty on any transport error
    // (time-out, refusal, HTTP error status).
    static QString body(QNetworkReply *reply);

    // The translation page names its two attribution logos by their absolute
    // addresses on the resource host ("/images/google_lg.png" and
    // "/images/bing_lg.png"); they are shown from the program's own
    // pictures ":/MainWnd/Resources/google_lg.png" and ":/MainWnd/Resources/bing_lg.png".
    static QString withLocalLogos(const QString &html);
};

} // namespace GammaLib

#endif
