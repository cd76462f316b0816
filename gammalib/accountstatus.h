#ifndef ACCOUNTSTATUS_H
#define ACCOUNTSTATUS_H

#include <QString>

namespace GammaLib {

// Result codes of the account service calls. Success is -1; 0 is "Failure".
enum AccountStatus {
    StatusSuccess = -1,
    StatusFailure = 0,
    StatusUndefinedError = 999,
    StatusLogicError = 1000,
    StatusUserNotExit = 1001,
    StatusUserNameExist = 1002,
    StatusUserNameDontMatchRule = 1003,
    StatusUserEmailExist = 1004,
    StatusUserEmailDontMatchRule = 1005,
    StatusUserPasswordDontMatchRule = 1006,
    StatusUserNameEmpty = 1007,
    StatusUserEmailEmpty = 1008,
    StatusUserEmailToolLong = 1009,
    StatusUserLogined = 1010,
    StatusSystemError = 2000,
    StatusNetworkError = 2100,
    StatusDatabaseError = 2200,
    StatusSessionError = 2300,
};

// The code of a status word; a word not in the table gives 0.
int accountStatusCode(const QString &word);

// An account answer: "status|value1|value2".
struct AccountAnswer
{
    QString status;
    int code = StatusFailure;
    QString value1;
    QString value2;
};

// Splits at "|" keeping empty parts. Two parts give value1 only, three parts
// give both values, any other count leaves both empty.
AccountAnswer parseAccountAnswer(const QString &body);

// The registration answer: "success", "error" or one digit per form field.
int registrationCode(const QString &body);

// Upper-case hexadecimal MD5 of the password's UTF-8 bytes.
QString passwordHash(const QString &password);

} // namespace GammaLib

#endif
