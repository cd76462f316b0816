#ifndef USAGENAMES_H
#define USAGENAMES_H

#include <QMap>
#include <QString>

namespace GammaLib {

// Names of the kinds of checked unit: 0 "SENTENSE", 1 "WORD".
QString checkUnitName(int kind);
// Names of the error categories: 0 "Null", 1 "Nonword", 2 "Real",
// 3 "Mophology", 4 "Grammar", 5 "Style", 6 "Suggestion", 8 "Other".
QString errorCategoryName(int category);
// Names of the vocabulary levels 0 to 11, "BASE" to "C2".
QString vocabularyLevelName(int level);

// name + ":" + count + ";" for every entry, in the table's order.
QString countString(const QMap<QString, int> &table);
// The same for a table keyed by number, named by nameOf; numbers without a
// name are left out.
QString countString(const QMap<int, int> &table, QString (*nameOf)(int));

} // namespace GammaLib

#endif
