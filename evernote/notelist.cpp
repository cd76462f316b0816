#include "notelist.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void NoteList::write(TBinaryProtocol &protocol) const
{
    if (isset.startIndex) {
        protocol.writeFieldBegin(QStringLiteral("startIndex"), TType::I32, 1);
        protocol.writeI32(startIndex);
    }
    if (isset.totalNotes) {
        protocol.writeFieldBegin(QStringLiteral("totalNotes"), TType::I32, 2);
        protocol.writeI32(totalNotes);
    }
    if (isset.notes) {
        protocol.writeFieldBegin(QStringLiteral("notes"), TType::List, 3);
        protocol.writeListBegin(TType::Struct, qint32(notes.size()));
        for (const auto &element : notes)
            element.write(protocol);
    }
    if (isset.stoppedWords) {
        protocol.writeFieldBegin(QStringLiteral("stoppedWords"), TType::List, 4);
        protocol.writeListBegin(TType::String, qint32(stoppedWords.size()));
        for (const auto &element : stoppedWords)
            protocol.writeString(element);
    }
    if (isset.searchedWords) {
        protocol.writeFieldBegin(QStringLiteral("searchedWords"), TType::List, 5);
        protocol.writeListBegin(TType::String, qint32(searchedWords.size()));
        for (const auto &element : searchedWords)
            protocol.writeString(element);
    }
    if (isset.updateCount) {
        protocol.writeFieldBegin(QStringLiteral("updateCount"), TType::I32, 6);
        protocol.writeI32(updateCount);
    }
    protocol.writeFieldStop();
}

bool NoteList::read(TBinaryProtocol &protocol)
{
    *this = NoteList();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.startIndex = protocol.readField(type, TType::I32, [&] { startIndex = protocol.readI32(); return true; });
            break;
        case 2:
            isset.totalNotes = protocol.readField(type, TType::I32, [&] { totalNotes = protocol.readI32(); return true; });
            break;
        case 3:
            isset.notes = protocol.readField(type, TType::List, [&] { return protocol.readStructList(notes); });
            break;
        case 4:
            isset.stoppedWords = protocol.readField(type, TType::List, [&] { return protocol.readStringList(stoppedWords); });
            break;
        case 5:
            isset.searchedWords = protocol.readField(type, TType::List, [&] { return protocol.readStringList(searchedWords); });
            break;
        case 6:
            isset.updateCount = protocol.readField(type, TType::I32, [&] { updateCount = protocol.readI32(); return true; });
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
