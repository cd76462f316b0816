#ifndef SOCIALLOGINANSWER_H
#define SOCIALLOGINANSWER_H

#include <QString>

// The account service's answer to a Facebook or Sina Weibo log-in:
// "Success|<session key>|<user name>;<attribute>". The status word may be
// preceded by markup (the Sina answer arrives as a web page), so only the end
// of the first part is compared.
struct SocialLoginAnswer
{
    bool good = false;
    QString sessionKey;
    QString userName;
    QString attribute;

    static SocialLoginAnswer parse(const QString &answer);
    // A page's HTML: the markup that closes the page after the answer
    // ("</body></html>") is dropped so it does not end up in the user data.
    static SocialLoginAnswer parsePage(const QString &html);
};

#endif
