#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

class CustomWindow;
class QLayout;

// Where the main window opens and what of its place is kept for the next
// start ("setting.ini"): the normal geometry, maximised or not, and whether
// the side panel is shown.
namespace WindowPlacement {

// Centred on the screen that held the sign-in dialog, else the primary one.
void centreOnStartScreen(CustomWindow *window);
// The saved place; centred when nothing was saved yet or the saved place is
// on a screen that is gone. outer gets no margins when maximised.
void restore(CustomWindow *window, QLayout *outer);
void save(const CustomWindow *window, bool sidebarShown);
// The first-run tutorial: the default size, centred, not resizable and
// locked until endTutorial(), which also remembers that it was shown.
void placeForTutorial(CustomWindow *window);
void endTutorial(CustomWindow *window);

} // namespace WindowPlacement

#endif
