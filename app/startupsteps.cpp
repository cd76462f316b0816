#include "startupsteps.h"

#include "accessdlg.h"
#include "appsettings.h"
#include "proxysettings.h"
#include "cresultstate.h"
#include "installjournal.h"
#include "instancekeys.h"
#include "sharedmemoryobject.h"
#include "signinsession.h"

#include <QCoreApplication>

namespace StartupSteps {

void registerMetaTypes()
{
    CResultState::registerMetaType();
}

void repairInterruptedUpdate()
{
    const QString folder = QCoreApplication::applicationDirPath();
    if (!InstallJournal::hasJournal(folder))
        return;
    // Taking the updater's guard for a moment makes sure none is at work.
    GammaLib::SharedMemoryObject updaterGuard(InstanceKeys::updater());
    if (updaterGuard.isFirstInstance())
        InstallJournal::repair(folder);
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

QScreen *signInScreen()
{
    return SignInSession::startUpScreen();
}

} // namespace StartupSteps
