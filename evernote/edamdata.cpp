#include "edamdata.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void Data::write(TBinaryProtocol &protocol) const
{
    if (isset.bodyHash) {
        protocol.writeFieldBegin(QStringLiteral("bodyHash"), TType::String, 1);
        protocol.writeBinary(bodyHash);
    }
    if (isset.size) {
        protocol.writeFieldBegin(QStringLiteral("size"), TType::I32, 2);
        protocol.writeI32(size);
    }
    if (isset.body) {
        protocol.writeFieldBegin(QStringLiteral("body"), TType::String, 3);
        protocol.writeBinary(body);
    }
    protocol.writeFieldStop();
}

bool Data::read(TBinaryProtocol &protocol)
{
    *this = Data();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.bodyHash = protocol.readField(type, TType::String, [&] { bodyHash = protocol.readBinary(); return true; });
            break;
        case 2:
            isset.size = protocol.readField(type, TType::I32, [&] { size = protocol.readI32(); return true; });
            break;
        case 3:
            isset.body = protocol.readField(type, TType::String, [&] { body = protocol.readBinary(); return true; });
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
