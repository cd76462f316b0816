#ifndef EDAMSYSTEMEXCEPTION_H
#define EDAMSYSTEMEXCEPTION_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// The service failed on its side.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct EDAMSystemException
{
    qint32 errorCode = 0; // 1
    QString message; // 2
    qint32 rateLimitDuration = 0; // 3

    struct Isset
    {
        bool errorCode = false;
        bool message = false;
        bool rateLimitDuration = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
