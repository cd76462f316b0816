#ifndef DOCUMENTDIALOGS_H
#define DOCUMENTDIALOGS_H

#include <QString>
#include <QStringList>
#include <functional>

class QFileDialog;
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

    // Runs a prepared file dialog; the chosen file, or an empty string when
    // it was cancelled. By default the dialog runs modally.
    using Runner = std::function<QString(QFileDialog &dialog)>;

    // The file dialogs. They start in the folder used last, else where the
    // newest recent document lies, else in the user's documents folder.
    static DocumentDialogs standard(QWidget *parent, Runner run = Runner());
};

#endif
