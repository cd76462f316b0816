#ifndef NOTEFILTER_H
#define NOTEFILTER_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// Which notes a search returns and in what order.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct NoteFilter
{
    qint32 order = 0; // 1
    bool ascending = false; // 2
    QString words; // 3
    QString notebookGuid; // 4
    QStringList tagGuids; // 5
    QString timeZone; // 6
    bool inactive = false; // 7
    QString emphasized; // 8

    struct Isset
    {
        bool order = false;
        bool ascending = false;
        bool words = false;
        bool notebookGuid = false;
        bool tagGuids = false;
        bool timeZone = false;
        bool inactive = false;
        bool emphasized = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
