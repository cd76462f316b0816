#include "webviewsupport.h"

#include <QByteArray>
#include <QtGlobal>

#include <unistd.h>

namespace WebViewSupport {

bool available()
{
    if (geteuid() != 0)
        return true;
    // The browser's own switches, as it reads them itself.
    if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        return true;
    return qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

} // namespace WebViewSupport
