#ifndef CLIENTIDENTITY_H
#define CLIENTIDENTITY_H

#include <QString>

namespace GammaLib {

// Sent with check requests, log-in, registration and usage events.
inline QString clientCodeName() { return QStringLiteral("ostrel"); }
// The version of the build (project() in the top CMakeLists.txt).
QString clientVersion();

} // namespace GammaLib

#endif
