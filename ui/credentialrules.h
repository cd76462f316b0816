#ifndef CREDENTIALRULES_H
#define CREDENTIALRULES_H

#include <QString>

// The local rules the sign-in dialog applies before anything is sent.
namespace CredentialRules {

// True when the address has the shape name@domain.tld the account service takes.
bool emailMatchesRule(const QString &email);

// The message for a sign-up password, or an empty text when it passes:
// ASCII only, 6 to 16 characters.
QString passwordProblem(const QString &password);

// The message when the confirmation differs from the password, else empty.
QString confirmationProblem(const QString &password, const QString &confirmation);

// Log-in: a field holding 1 to 5 characters is refused without asking the
// server (an empty field never gets that far).
bool tooShortForLogin(const QString &text);

} // namespace CredentialRules

#endif
