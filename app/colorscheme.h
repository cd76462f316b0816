#ifndef COLORSCHEME_H
#define COLORSCHEME_H

#include <QPalette>

// The program's colours follow the desktop's palette. QUILLET_COLOR_SCHEME
// chooses one where the desktop cannot tell the program (no platform theme,
// a bare X server): "dark" gives the Fusion style with a dark palette,
// "light" the Fusion style with its own light palette; unset or anything
// else leaves the desktop's choice.
namespace ColorScheme {

// Applies the scheme the environment asks for; call it before any window is
// built, since windows take their colours when they are built.
void applyFromEnvironment();

QPalette darkPalette();

} // namespace ColorScheme

#endif
