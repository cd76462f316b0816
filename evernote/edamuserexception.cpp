#include "edamuserexception.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void EDAMUserException::write(TBinaryProtocol &protocol) const
{
    if (isset.errorCode) {
        protocol.writeFieldBegin(QStringLiteral("errorCode"), TType::I32, 1);
        protocol.writeI32(errorCode);
    }
    if (isset.parameter) {
        protocol.writeFieldBegin(QStringLiteral("parameter"), TType::String, 2);
        protocol.writeString(parameter);
    }
    protocol.writeFieldStop();
}

bool EDAMUserException::read(TBinaryProtocol &protocol)
{
    *this = EDAMUserException();
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
            isset.parameter = protocol.readField(type, TType::String, [&] { parameter = protocol.readString(); return true; });
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
