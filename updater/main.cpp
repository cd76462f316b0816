#include "instancekeys.h"
#include "quilletupdate.h"
#include "sharedmemoryobject.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2)
        return 0;
    auto *guard = new GammaLib::SharedMemoryObject(InstanceKeys::updater(), &app);
    if (!guard->isFirstInstance())
        return 0;
    QuilletUpdate update(args.at(1));
    return app.exec();
}
