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

} // namespace StartupSteps
