#include "installjournal.h"
#include "instancekeys.h"
#include "quilletupdate.h"
#include "serviceaddresses.h"
#include "sharedmemoryobject.h"

#include <QCoreApplication>

// update "<version>|<reset flag>" [--service-host HOST:PORT]
// The option points the version service at another host (local test runs).
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 0;
    auto *guard = new GammaLib::SharedMemoryObject(InstanceKeys::updater(), &app);
    if (!guard->isFirstInstance())
        return 0;
    const int hostOption = args.indexOf(QStringLiteral("--service-host"), 2);
    if (hostOption > 0 && hostOption + 1 < args.size())
        GammaLib::ServiceAddresses::instance().setProductHosts(args.at(hostOption + 1));
    // An update cut short (a crash, a killed process) is settled before anything else.
    InstallJournal::repair(QCoreApplication::applicationDirPath());
    QuilletUpdate update(args.at(1));
    app.exec();
    return 0;
}
