#include "noteattributes.h"

#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

void NoteAttributes::write(TBinaryProtocol &protocol) const
{
    if (isset.subjectDate) {
        protocol.writeFieldBegin(QStringLiteral("subjectDate"), TType::I64, 1);
        protocol.writeI64(subjectDate);
    }
    if (isset.latitude) {
        protocol.writeFieldBegin(QStringLiteral("latitude"), TType::Double, 10);
        protocol.writeDouble(latitude);
    }
    if (isset.longitude) {
        protocol.writeFieldBegin(QStringLiteral("longitude"), TType::Double, 11);
        protocol.writeDouble(longitude);
    }
    if (isset.altitude) {
        protocol.writeFieldBegin(QStringLiteral("altitude"), TType::Double, 12);
        protocol.writeDouble(altitude);
    }
    if (isset.author) {
        protocol.writeFieldBegin(QStringLiteral("author"), TType::String, 13);
        protocol.writeString(author);
    }
    if (isset.source) {
        protocol.writeFieldBegin(QStringLiteral("source"), TType::String, 14);
        protocol.writeString(source);
    }
    if (isset.sourceURL) {
        protocol.writeFieldBegin(QStringLiteral("sourceURL"), TType::String, 15);
        protocol.writeString(sourceURL);
    }
    if (isset.sourceApplication) {
        protocol.writeFieldBegin(QStringLiteral("sourceApplication"), TType::String, 16);
        protocol.writeString(sourceApplication);
    }
    if (isset.shareDate) {
        protocol.writeFieldBegin(QStringLiteral("shareDate"), TType::I64, 17);
        protocol.writeI64(shareDate);
    }
    if (isset.reminderOrder) {
        protocol.writeFieldBegin(QStringLiteral("reminderOrder"), TType::I64, 18);
        protocol.writeI64(reminderOrder);
    }
    if (isset.reminderDoneTime) {
        protocol.writeFieldBegin(QStringLiteral("reminderDoneTime"), TType::I64, 19);
        protocol.writeI64(reminderDoneTime);
    }
    if (isset.reminderTime) {
        protocol.writeFieldBegin(QStringLiteral("reminderTime"), TType::I64, 20);
        protocol.writeI64(reminderTime);
    }
    if (isset.placeName) {
        protocol.writeFieldBegin(QStringLiteral("placeName"), TType::String, 21);
        protocol.writeString(placeName);
    }
    if (isset.contentClass) {
        protocol.writeFieldBegin(QStringLiteral("contentClass"), TType::String, 22);
        protocol.writeString(contentClass);
    }
    if (isset.lastEditedBy) {
        protocol.writeFieldBegin(QStringLiteral("lastEditedBy"), TType::String, 24);
        protocol.writeString(lastEditedBy);
    }
    if (isset.creatorId) {
        protocol.writeFieldBegin(QStringLiteral("creatorId"), TType::I32, 27);
        protocol.writeI32(creatorId);
    }
    if (isset.lastEditorId) {
        protocol.writeFieldBegin(QStringLiteral("lastEditorId"), TType::I32, 28);
        protocol.writeI32(lastEditorId);
    }
    if (isset.sharedWithBusiness) {
        protocol.writeFieldBegin(QStringLiteral("sharedWithBusiness"), TType::Bool, 29);
        protocol.writeBool(sharedWithBusiness);
    }
    if (isset.conflictSourceNoteGuid) {
        protocol.writeFieldBegin(QStringLiteral("conflictSourceNoteGuid"), TType::String, 30);
        protocol.writeString(conflictSourceNoteGuid);
    }
    if (isset.noteTitleQuality) {
        protocol.writeFieldBegin(QStringLiteral("noteTitleQuality"), TType::I32, 31);
        protocol.writeI32(noteTitleQuality);
    }
    protocol.writeFieldStop();
}

bool NoteAttributes::read(TBinaryProtocol &protocol)
{
    *this = NoteAttributes();
    if (!protocol.enterStruct())
        return false;
    qint8 type;
    qint16 id;
    while (protocol.readFieldBegin(type, id)) {
        switch (id) {
        case 1:
            isset.subjectDate = protocol.readField(type, TType::I64, [&] { subjectDate = protocol.readI64(); return true; });
            break;
        case 10:
            isset.latitude = protocol.readField(type, TType::Double, [&] { latitude = protocol.readDouble(); return true; });
            break;
        case 11:
            isset.longitude = protocol.readField(type, TType::Double, [&] { longitude = protocol.readDouble(); return true; });
            break;
        case 12:
            isset.altitude = protocol.readField(type, TType::Double, [&] { altitude = protocol.readDouble(); return true; });
            break;
        case 13:
            isset.author = protocol.readField(type, TType::String, [&] { author = protocol.readString(); return true; });
            break;
        case 14:
            isset.source = protocol.readField(type, TType::String, [&] { source = protocol.readString(); return true; });
            break;
        case 15:
            isset.sourceURL = protocol.readField(type, TType::String, [&] { sourceURL = protocol.readString(); return true; });
            break;
        case 16:
            isset.sourceApplication = protocol.readField(type, TType::String, [&] { sourceApplication = protocol.readString(); return true; });
            break;
        case 17:
            isset.shareDate = protocol.readField(type, TType::I64, [&] { shareDate = protocol.readI64(); return true; });
            break;
        case 18:
            isset.reminderOrder = protocol.readField(type, TType::I64, [&] { reminderOrder = protocol.readI64(); return true; });
            break;
        case 19:
            isset.reminderDoneTime = protocol.readField(type, TType::I64, [&] { reminderDoneTime = protocol.readI64(); return true; });
            break;
        case 20:
            isset.reminderTime = protocol.readField(type, TType::I64, [&] { reminderTime = protocol.readI64(); return true; });
            break;
        case 21:
            isset.placeName = protocol.readField(type, TType::String, [&] { placeName = protocol.readString(); return true; });
            break;
        case 22:
            isset.contentClass = protocol.readField(type, TType::String, [&] { contentClass = protocol.readString(); return true; });
            break;
        case 24:
            isset.lastEditedBy = protocol.readField(type, TType::String, [&] { lastEditedBy = protocol.readString(); return true; });
            break;
        case 27:
            isset.creatorId = protocol.readField(type, TType::I32, [&] { creatorId = protocol.readI32(); return true; });
            break;
        case 28:
            isset.lastEditorId = protocol.readField(type, TType::I32, [&] { lastEditorId = protocol.readI32(); return true; });
            break;
        case 29:
            isset.sharedWithBusiness = protocol.readField(type, TType::Bool, [&] { sharedWithBusiness = protocol.readBool(); return true; });
            break;
        case 30:
            isset.conflictSourceNoteGuid = protocol.readField(type, TType::String, [&] { conflictSourceNoteGuid = protocol.readString(); return true; });
            break;
        case 31:
            isset.noteTitleQuality = protocol.readField(type, TType::I32, [&] { noteTitleQuality = protocol.readI32(); return true; });
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
