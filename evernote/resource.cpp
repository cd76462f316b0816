#include "resource.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void Resource::write(TBinaryProtocol &protocol) const
{
    if (isset.guid) {
        protocol.writeFieldBegin(QStringLiteral("guid"), TType::String, 1);
        protocol.writeString(guid);
    }
    if (isset.noteGuid) {
        protocol.writeFieldBegin(QStringLiteral("noteGuid"), TType::String, 2);
        protocol.writeString(noteGuid);
    }
    if (isset.data) {
        protocol.writeFieldBegin(QStringLiteral("data"), TType::Struct, 3);
        data.write(protocol);
    }
    if (isset.mime) {
        protocol.writeFieldBegin(QStringLiteral("mime"), TType::String, 4);
        protocol.writeString(mime);
    }
    if (isset.width) {
        protocol.writeFieldBegin(QStringLiteral("width"), TType::I16, 5);
        protocol.writeI16(width);
    }
    if (isset.height) {
        protocol.writeFieldBegin(QStringLiteral("height"), TType::I16, 6);
        protocol.writeI16(height);
    }
    if (isset.duration) {
        protocol.writeFieldBegin(QStringLiteral("duration"), TType::I16, 7);
        protocol.writeI16(duration);
    }
    if (isset.active) {
        protocol.writeFieldBegin(QStringLiteral("active"), TType::Bool, 8);
        protocol.writeBool(active);
    }
    if (isset.recognition) {
        protocol.writeFieldBegin(QStringLiteral("recognition"), TType::Struct, 9);
        recognition.write(protocol);
    }
    if (isset.attributes) {
        protocol.writeFieldBegin(QStringLiteral("attributes"), TType::Struct, 11);
        attributes.write(protocol);
    }
    if (isset.updateSequenceNum) {
        protocol.writeFieldBegin(QStringLiteral("updateSequenceNum"), TType::I32, 12);
        protocol.writeI32(updateSequenceNum);
    }
    if (isset.alternateData) {
        protocol.writeFieldBegin(QStringLiteral("alternateData"), TType::Struct, 13);
        alternateData.write(protocol);
    }
    protocol.writeFieldStop();
}

bool Resource::read(TBinaryProtocol &protocol)
{
    *this = Resource();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.guid = protocol.readField(type, TType::String, [&] { guid = protocol.readString(); return true; });
            break;
        case 2:
            isset.noteGuid = protocol.readField(type, TType::String, [&] { noteGuid = protocol.readString(); return true; });
            break;
        case 3:
            isset.data = protocol.readField(type, TType::Struct, [&] { data.read(protocol); return true; });
            break;
        case 4:
            isset.mime = protocol.readField(type, TType::String, [&] { mime = protocol.readString(); return true; });
            break;
        case 5:
            isset.width = protocol.readField(type, TType::I16, [&] { width = protocol.readI16(); return true; });
            break;
        case 6:
            isset.height = protocol.readField(type, TType::I16, [&] { height = protocol.readI16(); return true; });
            break;
        case 7:
            isset.duration = protocol.readField(type, TType::I16, [&] { duration = protocol.readI16(); return true; });
            break;
        case 8:
            isset.active = protocol.readField(type, TType::Bool, [&] { active = protocol.readBool(); return true; });
            break;
        case 9:
            isset.recognition = protocol.readField(type, TType::Struct, [&] { recognition.read(protocol); return true; });
            break;
        case 11:
            isset.attributes = protocol.readField(type, TType::Struct, [&] { attributes.read(protocol); return true; });
            break;
        case 12:
            isset.updateSequenceNum = protocol.readField(type, TType::I32, [&] { updateSequenceNum = protocol.readI32(); return true; });
            break;
        case 13:
            isset.alternateData = protocol.readField(type, TType::Struct, [&] { alternateData.read(protocol); return true; });
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
