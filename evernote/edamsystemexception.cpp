#include "edamsystemexception.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void EDAMSystemException::write(TBinaryProtocol &protocol) const
{
    if (isset.errorCode) {
        protocol.writeFieldBegin(QStringLiteral("errorCode"), TType::I32, 1);
        protocol.writeI32(errorCode);
    }
    if (isset.message) {
        protocol.writeFieldBegin(QStringLiteral("message"), TType::String, 2);
        protocol.writeString(message);
    }
    if (isset.rateLimitDuration) {
        protocol.writeFieldBegin(QStringLiteral("rateLimitDuration"), TType::I32, 3);
        protocol.writeI32(rateLimitDuration);
    }
    protocol.writeFieldStop();
}

bool EDAMSystemException::read(TBinaryProtocol &protocol)
{
    *this = EDAMSystemException();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.errorCode = protocol.readField(type, TType::I32, [&] { errorCode = protocol.readI32(); return true; });
            break;
        case 2:
            isset.message = protocol.readField(type, TType::String, [&] { message = protocol.readString(); return true; });
            break;
        case 3:
            isset.rateLimitDuration = protocol.readField(type, TType::I32, [&] { rateLimitDuration = protocol.readI32(); return true; });
            break;
        default:
            protocol.skip(type);
            break;
        }
    }
    protocol.leaveStruct();
    return !protocol.hasError();
}

} // namespace GammaLib
