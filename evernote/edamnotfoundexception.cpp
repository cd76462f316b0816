#include "edamnotfoundexception.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void EDAMNotFoundException::write(TBinaryProtocol &protocol) const
{
    if (isset.identifier) {
        protocol.writeFieldBegin(QStringLiteral("identifier"), TType::String, 1);
        protocol.writeString(identifier);
    }
    if (isset.key) {
        protocol.writeFieldBegin(QStringLiteral("key"), TType::String, 2);
        protocol.writeString(key);
    }
    protocol.writeFieldStop();
}

bool EDAMNotFoundException::read(TBinaryProtocol &protocol)
{
    *this = EDAMNotFoundException();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.identifier = protocol.readField(type, TType::String, [&] { identifier = protocol.readString(); return true; });
            break;
        case 2:
            isset.key = protocol.readField(type, TType::String, [&] { key = protocol.readString(); return true; });
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
