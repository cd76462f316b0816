#ifndef CLIENTIDENTITY_H
#define CLIENTIDENTITY_H

#include <QString>

namespace GammaLib {

// Sent with check requests, log-in, registration and usage events.
inline QString clientCodeName() { return QStringLiteral("ostrel"); }
inline QString clientVersion() { return QStringLiteral("2.1.7.0"); }

} // namespace GammaLib

#endif
