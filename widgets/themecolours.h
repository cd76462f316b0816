#ifndef THEMECOLOURS_H
#define THEMECOLOURS_H

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QString>

// The program's neutral colours (white, greys, pale tints) were chosen for a
// light window. These functions carry them over to the palette in use: a
// colour keeps its hue and saturation, and its lightness takes the same place
// between the palette's base (white) and text (black) colours. Under a light
// palette with white base and black text every colour stays exactly as it is;
// under a dark one, white becomes the dark base and black the light text.
// Accent colours (the blue buttons, the mark colours) are not passed through.
namespace ThemeColours {

// The colour for the application's palette, or for the given one.
QColor tone(const QColor &lightColour);
QColor tone(const QColor &lightColour, const QPalette &palette);
// As a style-sheet colour ("#rrggbb", or "rgba(...)" when translucent).
QString toneName(const char *lightColour);
QString toneName(const QColor &lightColour);

// A style sheet written for a light window, for the application's palette:
// backgrounds and borders that are grey or pale, and grey text colours, are
// toned; accent colours, and light text (which sits on an accent), stay. Under
// the light palette the sheet comes back unchanged.
QString themed(const QString &styleSheet);
QString themed(const QString &styleSheet, const QPalette &palette);

// A picture drawn for a light window, for the palette: every pixel's colour
// toned as by tone(), its alpha kept. Under the light palette it comes back
// unchanged.
QImage toned(const QImage &light, const QPalette &palette);

// Whether the palette's window is darker than its text.
bool isDark(const QPalette &palette);

} // namespace ThemeColours

#endif
