#include "clientidentity.h"

#include "quilletversion.h"

namespace GammaLib {

QString clientVersion()
{
    return QStringLiteral(QUILLET_VERSION);
}

} // namespace GammaLib
