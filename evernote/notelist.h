#ifndef NOTELIST_H
#define NOTELIST_H

#include "note.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// One page of a note search (notes without content).
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct NoteList
{
    qint32 startIndex = 0; // 1
    qint32 totalNotes = 0; // 2
    QList<Note> notes; // 3
    QStringList stoppedWords; // 4
    QStringList searchedWords; // 5
    qint32 updateCount = 0; // 6

    struct Isset
    {
        bool startIndex = false;
        bool totalNotes = false;
        bool notes = false;
        bool stoppedWords = false;
        bool searchedWords = false;
        bool updateCount = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
