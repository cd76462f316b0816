#ifndef REMEMBEREDLOGIN_H
#define REMEMBEREDLOGIN_H

#include "preferences.h"

#include <QString>

// The last user and, with "Remember me", the hash of that user's password, as
// kept in the preference store ("str_user", "str_pwd", "rem_me"). The plain
// password is never written anywhere.
class RememberedLogin
{
public:
    explicit RememberedLogin(ConfigFile &store);

    // Shown in the password field in place of a remembered password.
    static QString placeholder() { return QStringLiteral("******"); }

    bool rememberMe();
    QString userName();
    QString passwordHash();

    // After a successful log-in: the user name, the box state and, only when
    // ticked, the password hash. Saves the store.
    void storeSuccessfulLogin(const QString &userName, bool remember, const QString &hash);
    // Unticking the box is written at once; ticking waits for a log-in.
    void forgetRememberMe();
    // A log-in as someone else than the last user drops the note-service token
    // of the last user ("evernote_access_token"). True when it did.
    bool forgetNoteTokenIfOtherUser(const QString &userName);

private:
    Preferences m_preferences;
};

#endif
