#ifndef WINDOWRAISER_H
#define WINDOWRAISER_H

// Brings the running copy's windows to the front when the user starts the
// program a second time: every visible window is restored if minimised and
// raised, the main window first and its dialogs over it, and the dialog the
// user has to answer (or else the main window) gets the focus.
namespace WindowRaiser {

void bringToFront();

} // namespace WindowRaiser

#endif
