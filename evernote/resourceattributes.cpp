#include "resourceattributes.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void ResourceAttributes::write(TBinaryProtocol &protocol) const
{
    if (isset.sourceURL) {
        protocol.writeFieldBegin(QStringLiteral("sourceURL"), TType::String, 1);
        protocol.writeString(sourceURL);
    }
    if (isset.timestamp) {
        protocol.writeFieldBegin(QStringLiteral("timestamp"), TType::I64, 2);
        protocol.writeI64(timestamp);
    }
    if (isset.latitude) {
        protocol.writeFieldBegin(QStringLiteral("latitude"), TType::Double, 3);
        protocol.writeDouble(latitude);
    }
    if (isset.longitude) {
        protocol.writeFieldBegin(QStringLiteral("longitude"), TType::Double, 4);
        protocol.writeDouble(longitude);
    }
    if (isset.altitude) {
        protocol.writeFieldBegin(QStringLiteral("altitude"), TType::Double, 5);
        protocol.writeDouble(altitude);
    }
    if (isset.cameraMake) {
        protocol.writeFieldBegin(QStringLiteral("cameraMake"), TType::String, 6);
        protocol.writeString(cameraMake);
    }
    if (isset.cameraModel) {
        protocol.writeFieldBegin(QStringLiteral("cameraModel"), TType::String, 7);
        protocol.writeString(cameraModel);
    }
    if (isset.clientWillIndex) {
        protocol.writeFieldBegin(QStringLiteral("clientWillIndex"), TType::Bool, 8);
        protocol.writeBool(clientWillIndex);
    }
    if (isset.recoType) {
        protocol.writeFieldBegin(QStringLiteral("recoType"), TType::String, 9);
        protocol.writeString(recoType);
    }
    if (isset.fileName) {
        protocol.writeFieldBegin(QStringLiteral("fileName"), TType::String, 10);
        protocol.writeString(fileName);
    }
    if (isset.attachment) {
        protocol.writeFieldBegin(QStringLiteral("attachment"), TType::Bool, 11);
        protocol.writeBool(attachment);
    }
    protocol.writeFieldStop();
}

bool ResourceAttributes::read(TBinaryProtocol &protocol)
{
    *this = ResourceAttributes();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.sourceURL = protocol.readField(type, TType::String, [&] { sourceURL = protocol.readString(); return true; });
            break;
        case 2:
            isset.timestamp = protocol.readField(type, TType::I64, [&] { timestamp = protocol.readI64(); return true; });
            break;
        case 3:
            isset.latitude = protocol.readField(type, TType::Double, [&] { latitude = protocol.readDouble(); return true; });
            break;
        case 4:
            isset.longitude = protocol.readField(type, TType::Double, [&] { longitude = protocol.readDouble(); return true; });
            break;
        case 5:
            isset.altitude = protocol.readField(type, TType::Double, [&] { altitude = protocol.readDouble(); return true; });
            break;
        case 6:
            isset.cameraMake = protocol.readField(type, TType::String, [&] { cameraMake = protocol.readString(); return true; });
            break;
        case 7:
            isset.cameraModel = protocol.readField(type, TType::String, [&] { cameraModel = protocol.readString(); return true; });
            break;
        case 8:
            isset.clientWillIndex = protocol.readField(type, TType::Bool, [&] { clientWillIndex = protocol.readBool(); return true; });
            break;
        case 9:
            isset.recoType = protocol.readField(type, TType::String, [&] { recoType = protocol.readString(); return true; });
            break;
        case 10:
            isset.fileName = protocol.readField(type, TType::String, [&] { fileName = protocol.readString(); return true; });
            break;
        case 11:
            isset.attachment = protocol.readField(type, TType::Bool, [&] { attachment = protocol.readBool(); return true; });
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
