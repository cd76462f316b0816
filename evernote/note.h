#ifndef NOTE_H
#define NOTE_H

#include "noteattributes.h"
#include "resource.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// One note: metadata, ENML content, tags and resources. Times are milliseconds since 1970.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct Note
{
    QString guid; // 1
    QString title; // 2
    QString content; // 3
    QByteArray contentHash; // 4
    qint32 contentLength = 0; // 5
    qint64 created = 0; // 6
    qint64 updated = 0; // 7
    qint64 deleted = 0; // 8
    bool active = false; // 9
    qint32 updateSequenceNum = 0; // 10
    QString notebookGuid; // 11
    QStringList tagGuids; // 12
    QList<Resource> resources; // 13
    NoteAttributes attributes; // 14
    QStringList tagNames; // 15

    struct Isset
    {
        bool guid = false;
        bool title = false;
        bool content = false;
        bool contentHash = false;
        bool contentLength = false;
        bool created = false;
        bool updated = false;
        bool deleted = false;
        bool active = false;
        bool updateSequenceNum = false;
        bool notebookGuid = false;
        bool tagGuids = false;
        bool resources = false;
        bool attributes = false;
        bool tagNames = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
