#ifndef TTYPE_H
#define TTYPE_H

#include <QtGlobal>

namespace GammaLib {

// Thrift type codes of the binary protocol.
namespace TType {
enum : qint8 {
    Stop = 0,
    Bool = 2,
    Byte = 3,
    Double = 4,
    I16 = 6,
    I32 = 8,
    I64 = 10,
    String = 11,
    Struct = 12,
    Map = 13,
    Set = 14,
    List = 15,
};
}

// Thrift message types.
namespace TMessageType {
enum : qint32 {
    Call = 1,
    Reply = 2,
    Exception = 3,
    Oneway = 4,
};
}

} // namespace GammaLib

#endif
