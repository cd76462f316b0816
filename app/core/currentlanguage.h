#ifndef CURRENTLANGUAGE_H
#define CURRENTLANGUAGE_H

#include <QString>

namespace GammaLib {

// The interface language in use: "en" (the default), "zh-CN", "es" or "ja".
// Set once at start-up, before any worker thread exists; read-only afterwards.
QString &currentLanguage();

} // namespace GammaLib

#endif
