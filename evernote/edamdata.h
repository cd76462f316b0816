#ifndef EDAMDATA_H
#define EDAMDATA_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// Binary data of a resource: its MD5 hash, size and bytes.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct Data
{
    QByteArray bodyHash; // 1
    qint32 size = 0; // 2
    QByteArray body; // 3

    struct Isset
    {
        bool bodyHash = false;
        bool size = false;
        bool body = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
