#ifndef NOTEATTRIBUTES_H
#define NOTEATTRIBUTES_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// Optional attributes of a note.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct NoteAttributes
{
    qint64 subjectDate = 0; // 1
    double latitude = 0.0; // 10
    double longitude = 0.0; // 11
    double altitude = 0.0; // 12
    QString author; // 13
    QString source; // 14
    QString sourceURL; // 15
    QString sourceApplication; // 16
    qint64 shareDate = 0; // 17
    qint64 reminderOrder = 0; // 18
    qint64 reminderDoneTime = 0; // 19
    qint64 reminderTime = 0; // 20
    QString placeName; // 21
    QString contentClass; // 22
    QString lastEditedBy; // 24
    qint32 creatorId = 0; // 27
    qint32 lastEditorId = 0; // 28
    bool sharedWithBusiness = false; // 29
    QString conflictSourceNoteGuid; // 30
    qint32 noteTitleQuality = 0; // 31

    struct Isset
    {
        bool subjectDate = false;
        bool latitude = false;
        bool longitude = false;
        bool altitude = false;
        bool author = false;
        bool source = false;
        bool sourceURL = false;
        bool sourceApplication = false;
        bool shareDate = false;
        bool reminderOrder = false;
        bool reminderDoneTime = false;
        bool reminderTime = false;
        bool placeName = false;
        bool contentClass = false;
        bool lastEditedBy = false;
        bool creatorId = false;
        bool lastEditorId = false;
        bool sharedWithBusiness = false;
        bool conflictSourceNoteGuid = false;
        bool noteTitleQuality = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
