#ifndef DOCUMENTDIALOGS_H
#define DOCUMENTDIALOGS_H

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The open and save dialogs of the main window. Tests replace them with
// their own answers.
struct DocumentDialogs
{
    // The chosen file, or an empty string when the dialog was cancelled.
    std::function<QString()> open;
    // Shows the save dialog with the proposed name, the filters and the
    // preselected one; false when cancelled, else the path and the filter.
    std::function<bool(const QString &proposedName, const QStringList &filters, int selected,
                       QString *path, QString *filter)>
        save;

    static DocumentDialogs standard(QWidget *parent);
};

#endif
