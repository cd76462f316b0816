#include "startupsteps.h"

#include "signinsession.h"

namespace StartupSteps {

void registerMetaTypes()
{
}

void applyStoredProxy()
{
}

bool signIn()
{
    return SignInSession::runAtStartUp();
}

} // namespace StartupSteps
