#include "startupsteps.h"

#include "accessdlg.h"
#include "cresultstate.h"
#include "signinsession.h"

namespace StartupSteps {

void registerMetaTypes()
{
    CResultState::registerMetaType();
}

void applyStoredProxy()
{
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
