#include "currentlanguage.h"

namespace GammaLib {

QString &currentLanguage()
{
    static QString language = QStringLiteral("en");
    return language;
}

} // namespace GammaLib
