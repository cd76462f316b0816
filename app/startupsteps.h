#ifndef STARTUPSTEPS_H
#define STARTUPSTEPS_H

class QScreen;
class QWidget;

// The steps of start-up that belong to other areas of the program. Each is
// called from main() at its place in the order.
namespace StartupSteps {

// Registers the record types that travel through queued signals.
void registerMetaTypes();

// Applies the stored proxy choice to the whole process, before any request.
// No proxy is applied until the proxy settings exist.
void applyStoredProxy();

// Finishes or undoes an update of the program folder that was cut short (a
// crash, a killed updater), unless an updater is running right now.
void repairInterruptedUpdate();

// Runs the sign-in dialog modally; false when the user closed it.
bool signIn();

// Runs the sign-in dialog again after the user logged out; false when the
// user closed it.
bool signInAfterLogout(QWidget *parent);

// True when the sign-in dialog has just registered a new account (the main
// window then shows its tutorial).
bool justRegistered();

// The screen the start-up sign-in dialog stood on, or none.
QScreen *signInScreen();

} // namespace StartupSteps

#endif
