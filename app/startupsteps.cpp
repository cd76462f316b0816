#include "startupsteps.h"

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

bool signInAfterLogout(QWidget *)
{
    return false;
}

bool justRegistered()
{
    return false;
}

} // namespace StartupSteps
