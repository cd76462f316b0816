#include "startupsteps.h"

namespace StartupSteps {

void registerMetaTypes()
{
}

void applyStoredProxy()
{
}

bool signIn()
{
    return true;
}

} // namespace StartupSteps
