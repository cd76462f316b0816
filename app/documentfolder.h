#ifndef DOCUMENTFOLDER_H
#define DOCUMENTFOLDER_H

#include <QString>
#include <QStringList>

// Where the open and save dialogs start: the folder used last in this run,
// else the folder of the newest recent document, else the user's documents
// folder, else the home folder. Folders that no longer exist are passed over.
class DocumentFolder
{
public:
    static QString startFolder(const QString &lastUsed, const QStringList &recentFiles);
};

#endif
