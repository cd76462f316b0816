#include "signinsession.h"

#include "accessdlg.h"
#include "useraccess.h"

namespace SignInSession {

bool runAtStartUp()
{
    AccessDlg dialog(AccessDlg::StartUp);
    return dialog.exec() == QDialog::Accepted;
}

bool runAfterLogout(QWidget *mainWindow)
{
    GammaLib::UserAccess::instance().clear();
    AccessDlg dialog(AccessDlg::AfterLogout, mainWindow);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace SignInSession
