#ifndef EDAMUSEREXCEPTION_H
#define EDAMUSEREXCEPTION_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// The service refused a call because of the caller (bad data, expired authorisation, limits).
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct EDAMUserException
{
    qint32 errorCode = 0; // 1
    QString parameter; // 2

    struct Isset
    {
        bool errorCode = false;
        bool parameter = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
