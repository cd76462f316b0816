#include "startupsteps.h"

#include "accessdlg.h"
#include "appsettings.h"
#include "proxysettings.h"
#include "cresultstate.h"
#include "signinsession.h"

namespace StartupSteps {

void registerMetaTypes()
{
    CResultState::registerMetaType();
}

void applyStoredProxy()
{
    GammaLib::ProxySettings::applyProxy(AppSettings::preferenceConfig());
}

bool signIn()
{
    return SignInSession::runAtStartUp();
}

bool signInAfterLogout(QWidget *parent)
{
    return SignInSession::runAfterLogout(parent);
}

bool justRegistered()
{
    return AccessDlg::justRegistered();
}

} // namespace StartupSteps
