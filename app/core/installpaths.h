#ifndef INSTALLPATHS_H
#define INSTALLPATHS_H

#include <QString>
#include <QStringList>

// Where the program finds its own files, whatever the working folder.
//
// In the build tree everything lies beside the programs (build/bin). An
// installed copy keeps its programs in a private folder (<prefix>/lib/quillet)
// and its data in <prefix>/share/quillet, with the translations in its
// "translations" sub-folder; the data folder is found relative to the
// program, so the whole tree can be moved or installed under any prefix.
namespace InstallPaths {

// The folder of the running program.
QString programFolder();

// Folders searched for data files, in order: the program's folder (the build
// tree, and files an update put there), the installed data folder, then
// "quillet" in the system's data folders (XDG_DATA_DIRS).
QStringList dataFolders();

// The same for translation files: the program's folder, "translations" in
// each data folder, and last the working folder.
QStringList translationFolders();

// The first folder of the list holding the file, or an empty string.
QString folderHolding(const QStringList &folders, const QString &fileName);

// The full path of a data file, or an empty string when none is installed.
QString dataFile(const QString &fileName);

} // namespace InstallPaths

#endif
