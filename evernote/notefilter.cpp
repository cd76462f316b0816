#include "notefilter.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void NoteFilter::write(TBinaryProtocol &protocol) const
{
    if (isset.order) {
        protocol.writeFieldBegin(QStringLiteral("order"), TType::I32, 1);
        protocol.writeI32(order);
    }
    if (isset.ascending) {
        protocol.writeFieldBegin(QStringLiteral("ascending"), TType::Bool, 2);
        protocol.writeBool(ascending);
    }
    if (isset.words) {
        protocol.writeFieldBegin(QStringLiteral("words"), TType::String, 3);
        protocol.writeString(words);
    }
    if (isset.notebookGuid) {
        protocol.writeFieldBegin(QStringLiteral("notebookGuid"), TType::String, 4);
        protocol.writeString(notebookGuid);
    }
    if (isset.tagGuids) {
        protocol.writeFieldBegin(QStringLiteral("tagGuids"), TType::List, 5);
        protocol.writeListBegin(TType::String, qint32(tagGuids.size()));
        for (const auto &element : tagGuids)
            protocol.writeString(element);
    }
    if (isset.timeZone) {
        protocol.writeFieldBegin(QStringLiteral("timeZone"), TType::String, 6);
        protocol.writeString(timeZone);
    }
    if (isset.inactive) {
        protocol.writeFieldBegin(QStringLiteral("inactive"), TType::Bool, 7);
        protocol.writeBool(inactive);
    }
    if (isset.emphasized) {
        protocol.writeFieldBegin(QStringLiteral("emphasized"), TType::String, 8);
        protocol.writeString(emphasized);
    }
    protocol.writeFieldStop();
}

bool NoteFilter::read(TBinaryProtocol &protocol)
{
    *this = NoteFilter();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.order = protocol.readField(type, TType::I32, [&] { order = protocol.readI32(); return true; });
            break;
        case 2:
            isset.ascending = protocol.readField(type, TType::Bool, [&] { ascending = protocol.readBool(); return true; });
            break;
        case 3:
            isset.words = protocol.readField(type, TType::String, [&] { words = protocol.readString(); return true; });
            break;
        case 4:
            isset.notebookGuid = protocol.readField(type, TType::String, [&] { notebookGuid = protocol.readString(); return true; });
            break;
        case 5:
            isset.tagGuids = protocol.readField(type, TType::List, [&] { return protocol.readStringList(tagGuids); });
            break;
        case 6:
            isset.timeZone = protocol.readField(type, TType::String, [&] { timeZone = protocol.readString(); return true; });
            break;
        case 7:
            isset.inactive = protocol.readField(type, TType::Bool, [&] { inactive = protocol.readBool(); return true; });
            break;
        case 8:
            isset.emphasized = protocol.readField(type, TType::String, [&] { emphasized = protocol.readString(); return true; });
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
