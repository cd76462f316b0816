#ifndef EDAMERRORCODE_H
#define EDAMERRORCODE_H

namespace GammaLib {

// Result code of every note-service call: the service's own error codes 1 to
// 17 as carried by an EDAMUserException, and the program's codes from 18 on.
using EDAMErrorCode = int;

namespace EDAM {
enum : int {
    Unknown = 1,
    BadDataFormat = 2,
    PermissionDenied = 3,
    InternalError = 4,
    DataRequired = 5,
    LimitReached = 6,
    QuotaReached = 7,
    InvalidAuth = 8,
    AuthExpired = 9,
    DataConflict = 10,
    EnmlValidation = 11,
    ShardUnavailable = 12,
    LenTooShort = 13,
    LenTooLong = 14,
    TooFew = 15,
    TooMany = 16,
    UnsupportedOperation = 17,
    LastServiceCode = UnsupportedOperation,

    Success = 18,             // the call's result arrived
    SystemException = 19,     // the result carried an EDAMSystemException
    ApplicationException = 20, // a Thrift application exception (message type 3)
    TransportFailure = 21,    // no answer
    NotFound = 22,            // the result carried an EDAMNotFoundException
    MalformedAnswer = 23,     // an answer that could not be read
};
}

// Steps a running request reports for the progress panel.
enum EvernoteProgress {
    GeneratingNoteUrl = 1, // "Generating note url..."
    CreatingNote = 2,      // "Creating note..."
    FetchingNotes = 3,     // "Fetching notes..."
};

} // namespace GammaLib

#endif
