#ifndef SIGNINSESSION_H
#define SIGNINSESSION_H

class QScreen;
class QWidget;

// Runs the sign-in dialog where the program needs a signed-in user. Both
// return true once a session was obtained; the user name and the session key
// are then in GammaLib::UserAccess.
namespace SignInSession {

// Start-up: the dialog stands alone. False when the user closed it (the
// program then ends).
bool runAtStartUp();

// The screen the start-up dialog was on when it closed, or none (not run,
// or that screen is gone).
QScreen *startUpScreen();

// After a log-out, or when the session expired: the old identity is
// forgotten and the dialog is shown over the main window. False when the user
// closed it (the main window then closes).
bool runAfterLogout(QWidget *mainWindow);

} // namespace SignInSession

#endif
