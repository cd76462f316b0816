#ifndef EDAMNOTFOUNDEXCEPTION_H
#define EDAMNOTFOUNDEXCEPTION_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// An object named in a call does not exist.
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct EDAMNotFoundException
{
    QString identifier; // 1
    QString key; // 2

    struct Isset
    {
        bool identifier = false;
        bool key = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
