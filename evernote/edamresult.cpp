#include "edamresult.h"

#include "edamnotfoundexception.h"
#include "edamsystemexception.h"
#include "edamuserexception.h"
#include "tbinaryprotocol.h"
#include "ttype.h"

namespace GammaLib {

EDAMErrorCode EDAMResult::userErrorCode(qint32 errorCode)
{
    if (errorCode >= 1 && errorCode <= EDAM::LastServiceCode)
        return errorCode;
    return EDAM::Unknown;
}

EDAMErrorCode EDAMResult::read(TBinaryProtocol &protocol, bool transportOk,
                               const std::function<bool(qint8)> &readSuccess)
{
    if (!transportOk)
        return EDAM::TransportFailure;
    protocol.clearError();
    QString name;
    qint32 type;
    qint32 sequenceId;
    if (!protocol.readMessageBegin(name, type, sequenceId))
        return EDAM::MalformedAnswer;
    if (type == TMessageType::Exception)
        return EDAM::ApplicationException;
    if (type != TMessageType::Reply)
        return EDAM::MalformedAnswer;

    // A result struct with none of its fields is no result.
    EDAMErrorCode code = EDAM::MalformedAnswer;
    qint8 fieldType;
    qint16 id;
    while (protocol.readFieldBegin(fieldType, id)) {
        switch (id) {
        case 0:
            if (readSuccess(fieldType) && !protocol.hasError())
                code = EDAM::Success;
            break;
        case 1:
            if (fieldType == TType::Struct) {
                EDAMUserException exception;
                exception.read(protocol);
                code = userErrorCode(exception.errorCode);
            } else {
                protocol.skip(fieldType);
            }
            break;
        case 2:
            if (fieldType == TType::Struct) {
                EDAMSystemException exception;
                exception.read(protocol);
                code = EDAM::SystemException;
            } else {
                protocol.skip(fieldType);
            }
            break;
        case 3:
            if (fieldType == TType::Struct) {
                EDAMNotFoundException exception;
                exception.read(protocol);
                code = EDAM::NotFound;
            } else {
                protocol.skip(fieldType);
            }
            break;
        default:
            protocol.skip(fieldType);
            break;
        }
    }
    if (protocol.hasError())
        return EDAM::MalformedAnswer;
    return code;
}

} // namespace GammaLib
