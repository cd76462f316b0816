#ifndef RESOURCE_H
#define RESOURCE_H

#include "edamdata.h"
#include "resourceattributes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// A file attached to a note.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct Resource
{
    QString guid; // 1
    QString noteGuid; // 2
    Data data; // 3
    QString mime; // 4
    qint16 width = 0; // 5
    qint16 height = 0; // 6
    qint16 duration = 0; // 7
    bool active = false; // 8
    Data recognition; // 9
    ResourceAttributes attributes; // 11
    qint32 updateSequenceNum = 0; // 12
    Data alternateData; // 13

    struct Isset
    {
        bool guid = false;
        bool noteGuid = false;
        bool data = false;
        bool mime = false;
        bool width = false;
        bool height = false;
        bool duration = false;
        bool active = false;
        bool recognition = false;
        bool attributes = false;
        bool updateSequenceNum = false;
        bool alternateData = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
