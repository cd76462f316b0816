#ifndef APPICON_H
#define APPICON_H

#include <QIcon>

// The program's icon: the "quillet" icon of the desktop's theme when one is
// installed, else the PNG sizes in the data folder's "icons" (see
// data/icons/quillet.svg).
namespace AppIcon {

QIcon icon();

// The PNG files of the data folder, smallest first (empty when none are there).
QStringList files();

} // namespace AppIcon

#endif
