#include "startupsteps.h"

#include "cresultstate.h"

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
    return true;
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
