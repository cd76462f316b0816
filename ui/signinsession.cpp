#include "signinsession.h"

#include "accessdlg.h"
#include "useraccess.h"

#include <QPointer>
#include <QScreen>

namespace SignInSession {

namespace {
QPointer<QScreen> s_startUpScreen;
}

bool runAtStartUp()
{
    AccessDlg dialog(AccessDlg::StartUp);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    s_startUpScreen = dialog.screen();
    return accepted;
}

QScreen *startUpScreen()
{
    return s_startUpScreen.data();
}

bool runAfterLogout(QWidget *mainWindow)
{
    GammaLib::UserAccess::instance().clear();
    AccessDlg dialog(AccessDlg::AfterLogout, mainWindow);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace SignInSession
