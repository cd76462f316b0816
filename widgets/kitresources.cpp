#include "kitresources.h"

#include <QtGlobal>

void KitResources::ensureLoaded()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(widgets);
        return true;
    }();
    Q_UNUSED(loaded);
}

QString KitResources::loadingImage()
{
    return QStringLiteral(":/MainWnd/Resources/loading_big.png");
}
