#ifndef RESOURCEATTRIBUTES_H
#define RESOURCEATTRIBUTES_H


#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace GammaLib {

class TBinaryProtocol;

// Optional attributes of a resource (file name, source, camera, ...).
// Only fields whose flag in isset is true are written; reading sets the
// flags of the fields found and skips fields of unknown id or type.
struct ResourceAttributes
{
    QString sourceURL; // 1
    qint64 timestamp = 0; // 2
    double latitude = 0.0; // 3
    double longitude = 0.0; // 4
    double altitude = 0.0; // 5
    QString cameraMake; // 6
    QString cameraModel; // 7
    bool clientWillIndex = false; // 8
    QString recoType; // 9
    QString fileName; // 10
    bool attachment = false; // 11

    struct Isset
    {
        bool sourceURL = false;
        bool timestamp = false;
        bool latitude = false;
        bool longitude = false;
        bool altitude = false;
        bool cameraMake = false;
        bool cameraModel = false;
        bool clientWillIndex = false;
        bool recoType = false;
        bool fileName = false;
        bool attachment = false;
    } isset;

    void write(TBinaryProtocol &protocol) const;
    // False when the protocol met an error while reading.
    bool read(TBinaryProtocol &protocol);
};

} // namespace GammaLib

#endif
