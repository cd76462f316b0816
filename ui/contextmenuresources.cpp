#include "contextmenuresources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must not be used inside a namespace.
static bool registerContextMenuResources()
{
    Q_INIT_RESOURCE(contextmenu);
    // The warning icon and the tip picture are the side panel's.
    Q_INIT_RESOURCE(panel);
    return true;
}

namespace ContextMenuResources {

void ensureLoaded()
{
    static const bool loaded = registerContextMenuResources();
    Q_UNUSED(loaded);
}

QString warningIcon()
{
    return QStringLiteral(":/MainWnd/Resources/op_normal.png");
}

QString warningIconHovered()
{
    return QStringLiteral(":/MainWnd/Resources/op_hover2.png");
}

} // namespace ContextMenuResources
