#ifndef MENUITEMTYPE_H
#define MENUITEMTYPE_H

#include <QMetaType>

// What the user chose to do with a mark, from its label, the side panel or
// the context menu. Any value but AddToGlossary retires the mark; only
// ApplyCandidate changes the text.
enum MenuItemType {
    ApplyCandidate = 0,
    IgnoreMark = 1,
    AddToGlossary = 3,
};

Q_DECLARE_METATYPE(MenuItemType)

#endif
