#include "documentdialogs.h"

#include "documentnaming.h"

#include <QFileDialog>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The dialog's own places plus the user's documents folder and the desktop.
void addPlaces(QFileDialog &dialog)
{
    QList<QUrl> places = dialog.sidebarUrls();
    for (auto location : {QStandardPaths::DocumentsLocation, QStandardPaths::DesktopLocation}) {
        const QUrl url = QUrl::fromLocalFile(QStandardPaths::writableLocation(location));
        if (!places.contains(url))
            places.append(url);
    }
    dialog.setSidebarUrls(places);
}

} // namespace

DocumentDialogs DocumentDialogs::standard(QWidget *parent)
{
    DocumentDialogs dialogs;
    dialogs.open = [parent]() {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(DocumentNaming::openFilter());
        addPlaces(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        return dialog.selectedFiles().constFirst();
    };
    dialogs.save = [parent](const QString &proposedName, const QStringList &filters, int selected,
                            QString *path, QString *filter) {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(selected));
        dialog.selectFile(proposedName);
        addPlaces(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        *path = dialog.selectedFiles().constFirst();
        *filter = dialog.selectedNameFilter();
        return true;
    };
    return dialogs;
}
