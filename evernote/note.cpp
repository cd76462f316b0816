#include "note.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void Note::write(TBinaryProtocol &protocol) const
{
    if (isset.guid) {
        protocol.writeFieldBegin(QStringLiteral("guid"), TType::String, 1);
        protocol.writeString(guid);
    }
    if (isset.title) {
        protocol.writeFieldBegin(QStringLiteral("title"), TType::String, 2);
        protocol.writeString(title);
    }
    if (isset.content) {
        protocol.writeFieldBegin(QStringLiteral("content"), TType::String, 3);
        protocol.writeString(content);
    }
    if (isset.contentHash) {
        protocol.writeFieldBegin(QStringLiteral("contentHash"), TType::String, 4);
        protocol.writeBinary(contentHash);
    }
    if (isset.contentLength) {
        protocol.writeFieldBegin(QStringLiteral("contentLength"), TType::I32, 5);
        protocol.writeI32(contentLength);
    }
    if (isset.created) {
        protocol.writeFieldBegin(QStringLiteral("created"), TType::I64, 6);
        protocol.writeI64(created);
    }
    if (isset.updated) {
        protocol.writeFieldBegin(QStringLiteral("updated"), TType::I64, 7);
        protocol.writeI64(updated);
    }
    if (isset.deleted) {
        protocol.writeFieldBegin(QStringLiteral("deleted"), TType::I64, 8);
        protocol.writeI64(deleted);
    }
    if (isset.active) {
        protocol.writeFieldBegin(QStringLiteral("active"), TType::Bool, 9);
        protocol.writeBool(active);
    }
    if (isset.updateSequenceNum) {
        protocol.writeFieldBegin(QStringLiteral("updateSequenceNum"), TType::I32, 10);
        protocol.writeI32(updateSequenceNum);
    }
    if (isset.notebookGuid) {
        protocol.writeFieldBegin(QStringLiteral("notebookGuid"), TType::String, 11);
        protocol.writeString(notebookGuid);
    }
    if (isset.tagGuids) {
        protocol.writeFieldBegin(QStringLiteral("tagGuids"), TType::List, 12);
        protocol.writeListBegin(TType::String, qint32(tagGuids.size()));
        for (const auto &element : tagGuids)
            protocol.writeString(element);
    }
    if (isset.resources) {
        protocol.writeFieldBegin(QStringLiteral("resources"), TType::List, 13);
        protocol.writeListBegin(TType::Struct, qint32(resources.size()));
        for (const auto &element : resources)
            element.write(protocol);
    }
    if (isset.attributes) {
        protocol.writeFieldBegin(QStringLiteral("attributes"), TType::Struct, 14);
        attributes.write(protocol);
    }
    if (isset.tagNames) {
        protocol.writeFieldBegin(QStringLiteral("tagNames"), TType::List, 15);
        protocol.writeListBegin(TType::String, qint32(tagNames.size()));
        for (const auto &element : tagNames)
            protocol.writeString(element);
    }
    protocol.writeFieldStop();
}

bool Note::read(TBinaryProtocol &protocol)
{
    *this = Note();
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
            isset.title = protocol.readField(type, TType::String, [&] { title = protocol.readString(); return true; });
            break;
        case 3:
            isset.content = protocol.readField(type, TType::String, [&] { content = protocol.readString(); return true; });
            break;
        case 4:
            isset.contentHash = protocol.readField(type, TType::String, [&] { contentHash = protocol.readBinary(); return true; });
            break;
        case 5:
            isset.contentLength = protocol.readField(type, TType::I32, [&] { contentLength = protocol.readI32(); return true; });
            break;
        case 6:
            isset.created = protocol.readField(type, TType::I64, [&] { created = protocol.readI64(); return true; });
            break;
        case 7:
            isset.updated = protocol.readField(type, TType::I64, [&] { updated = protocol.readI64(); return true; });
            break;
        case 8:
            isset.deleted = protocol.readField(type, TType::I64, [&] { deleted = protocol.readI64(); return true; });
            break;
        case 9:
            isset.active = protocol.readField(type, TType::Bool, [&] { active = protocol.readBool(); return true; });
            break;
        case 10:
            isset.updateSequenceNum = protocol.readField(type, TType::I32, [&] { updateSequenceNum = protocol.readI32(); return true; });
            break;
        case 11:
            isset.notebookGuid = protocol.readField(type, TType::String, [&] { notebookGuid = protocol.readString(); return true; });
            break;
        case 12:
            isset.tagGuids = protocol.readField(type, TType::List, [&] { return protocol.readStringList(tagGuids); });
            break;
        case 13:
            isset.resources = protocol.readField(type, TType::List, [&] { return protocol.readStructList(resources); });
            break;
        case 14:
            isset.attributes = protocol.readField(type, TType::Struct, [&] { attributes.read(protocol); return true; });
            break;
        case 15:
            isset.tagNames = protocol.readField(type, TType::List, [&] { return protocol.readStringList(tagNames); });
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
