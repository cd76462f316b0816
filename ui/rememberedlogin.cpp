#include "rememberedlogin.h"

RememberedLogin::RememberedLogin(ConfigFile &store)
    : m_preferences(store)
{
}

bool RememberedLogin::rememberMe()
{
    return m_preferences.rememberMe();
}

QString RememberedLogin::userName()
{
    return m_preferences.userName();
}

QString RememberedLogin::passwordHash()
{
    return m_preferences.passwordHash();
}

void RememberedLogin::storeSuccessfulLogin(const QString &userName, bool remember,
                                           const QString &hash)
{
    m_preferences.setUserName(userName);
    m_preferences.setRememberMe(remember);
    if (remember)
        m_preferences.setPasswordHash(hash);
    m_preferences.save();
}

void RememberedLogin::forgetRememberMe()
{
    m_preferences.setRememberMe(false);
    m_preferences.save();
}

bool RememberedLogin::forgetNoteTokenIfOtherUser(const QString &userName)
{
    if (userName == m_preferences.userName())
        return false;
    m_preferences.clearNoteToken();
    m_preferences.save();
    return true;
}
