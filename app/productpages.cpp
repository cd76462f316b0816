#include "productpages.h"

#include "serviceaddresses.h"
#include "useraccess.h"

#include <QDesktopServices>
#include <QUrl>

namespace ProductPages {

void open(const QString &path)
{
    QDesktopServices::openUrl(QUrl(GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Web, path)));
}

void openUserCenter()
{
    GammaLib::UserAccess &access = GammaLib::UserAccess::instance();
    open(QStringLiteral("/Account/LoginFromClient?u=") + access.userName() + QStringLiteral("&s=")
         + access.sessionKey());
}

} // namespace ProductPages
