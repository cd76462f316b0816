#include "windowraiser.h"

#include <QApplication>
#include <QWidget>

namespace WindowRaiser {

static void show(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->raise();
}

void bringToFront()
{
    QList<QWidget *> windows;
    QList<QWidget *> dialogs;
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget *widget : tops) {
        if (!widget->isVisible() && !widget->isMinimized())
            continue;
        const Qt::WindowType type = widget->windowType();
        if (type == Qt::Window)
            windows.append(widget);
        else if (type == Qt::Dialog || type == Qt::Sheet)
            dialogs.append(widget);
    }
    for (QWidget *window : std::as_const(windows))
        show(window);
    for (QWidget *dialog : std::as_const(dialogs))
        show(dialog);
    QWidget *focus = QApplication::activeModalWidget();
    if (!focus && !dialogs.isEmpty())
        focus = dialogs.constLast();
    if (!focus && !windows.isEmpty())
        focus = windows.constFirst();
    if (focus)
        focus->activateWindow();
}

} // namespace WindowRaiser
