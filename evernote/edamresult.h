#ifndef EDAMRESULT_H
#define EDAMRESULT_H

#include "edamerrorcode.h"

#include <QString>
#include <QtGlobal>
#include <functional>

namespace GammaLib {

class TBinaryProtocol;

// Reads a call's answer from the protocol: the message header, then the
// result struct with its success field (id 0) or one of its exceptions.
class EDAMResult
{
public:
    // readSuccess gets the success field's type code; it reads the value and
    // returns false when the value is not usable. Returns the result code.
    static EDAMErrorCode read(TBinaryProtocol &protocol, bool transportOk,
                              const std::function<bool(qint8)> &readSuccess);
    // The code for an EDAMUserException's error code: codes outside the
    // service's range would read as the program's own, so they become Unknown.
    static EDAMErrorCode userErrorCode(qint32 errorCode);
};

} // namespace GammaLib

#endif
