#include "rememberedlogin.h"

#include "appsettings.h"
#include "configfile.h"

namespace {
const QString kUser = QStringLiteral("str_user");
const QString kHash = QStringLiteral("str_pwd");
const QString kRemember = QStringLiteral("rem_me");
const QString kNoteToken = QStringLiteral("evernote_access_token");
}

RememberedLogin::RememberedLogin(ConfigFile &store)
    : m_store(store)
{
}

bool RememberedLogin::rememberMe()
{
    return AppSettings::isTrue(m_store.value(kRemember));
}

QString RememberedLogin::userName()
{
    return m_store.value(kUser);
}

QString RememberedLogin::passwordHash()
{
    return m_store.value(kHash);
}

void RememberedLogin::storeSuccessfulLogin(const QString &userName, bool remember,
                                           const QString &hash)
{
    m_store.setValue(kUser, userName);
    m_store.setValue(kRemember, AppSettings::boolText(remember));
    if (remember)
        m_store.setValue(kHash, hash);
    m_store.save();
}

void RememberedLogin::forgetRememberMe()
{
    m_store.setValue(kRemember, AppSettings::boolText(false));
    m_store.save();
}

bool RememberedLogin::forgetNoteTokenIfOtherUser(const QString &userName)
{
    if (userName == m_store.value(kUser))
        return false;
    m_store.clearValue(kNoteToken);
    m_store.save();
    return true;
}
