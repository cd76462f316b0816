#ifndef CONTEXTMENURESOURCES_H
#define CONTEXTMENURESOURCES_H

#include <QString>

// The pictures of the correction context menu, compiled into the ui library.
namespace ContextMenuResources {

// Registers the pictures once; safe to call any number of times.
void ensureLoaded();

QString warningIcon();        // ":/MainWnd/Resources/op_normal.png"
QString warningIconHovered(); // ":/MainWnd/Resources/op_hover2.png"

} // namespace ContextMenuResources

#endif
