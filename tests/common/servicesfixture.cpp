#include "servicesfixture.h"

#include "sentencesplitter.h"
#include "useraccess.h"
#include "windowsettings.h"

QString ServicesFixture::setUp(const QString &email, const QString &password)
{
    if (!home.isValid())
        return QStringLiteral("no settings folder");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    WindowSettings().setShowTutorial(false);
    GammaLib::prepareSegmentation();
    if (!services.start())
        return QStringLiteral("the local services did not start: ") + services.errorOutput();
    services.pointServiceTableHere();
    session = services.registerAndLogIn(email, password);
    if (session.isEmpty())
        return QStringLiteral("no session for ") + email + QStringLiteral(": ") + services.errorOutput();
    return QString();
}

void ServicesFixture::reset()
{
    services.pointServiceTableHere();
    GammaLib::UserAccess::instance().setSessionKey(session);
}
