#include "windowplacement.h"

#include "customwindow.h"
#include "titlebar.h"
#include "startupsteps.h"
#include "windowsettings.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

namespace WindowPlacement {

namespace {

void placeNew(CustomWindow *window)
{
    window->resize(QSize(850, 640).expandedTo(window->minimumSizeHint()));
    centreOnStartScreen(window);
}

} // namespace

void centreOnStartScreen(CustomWindow *window)
{
    // The screen that held the sign-in dialog, else the primary one.
    QScreen *screen = StartupSteps::signInScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect centred(QPoint(), window->size());
    if (screen)
        centred.moveCenter(screen->availableGeometry().center());
    window->move(centred.topLeft());
}

void restore(CustomWindow *window, QLayout *outer)
{
    const WindowSettings settings;
    const QRect saved = settings.normalGeometry();
    // Nothing saved yet (the stored defaults), or saved on a screen that is
    // gone: centred where the user is looking.
    if (settings.neverPlaced() || window->isOffScreen(saved)) {
        placeNew(window);
        return;
    }
    window->setNormalGeometry(saved);
    if (settings.maximized()) {
        window->setGeometry(saved);
        outer->setContentsMargins(0, 0, 0, 0);
        window->setMaximized(true);
    } else {
        window->move(saved.topLeft());
        window->resize(saved.size());
    }
}

void save(const CustomWindow *window, bool sidebarShown)
{
    WindowSettings settings;
    settings.setNormalGeometry(window->normalGeometry());
    settings.setMaximized(window->maximized());
    settings.setSidebarShown(sidebarShown);
    settings.save();
}

void placeForTutorial(CustomWindow *window)
{
    placeNew(window);
    window->setMaximumSize(window->size());
    window->setControlsLocked(true);
}

void endTutorial(CustomWindow *window)
{
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setControlsLocked(false);
    window->show();
    WindowSettings settings;
    settings.setShowTutorial(false);
    settings.save();
}

} // namespace WindowPlacement
