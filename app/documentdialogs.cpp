#include "documentdialogs.h"

#include "appsettings.h"
#include "documentfolder.h"
#include "documentnaming.h"
#include "recentfilelist.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

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

// The dialogs start in the folder used last (this run, else the newest
// recent document's), never in the program's own working folder.
QString startFolder(const QString &lastUsed)
{
    return DocumentFolder::startFolder(lastUsed, RecentFileList(AppSettings::preferenceConfig()).paths());
}

} // namespace

DocumentDialogs DocumentDialogs::standard(QWidget *parent)
{
    DocumentDialogs dialogs;
    auto lastFolder = std::make_shared<QString>();
    dialogs.open = [parent, lastFolder]() {
        QFileDialog dialog(parent);
        dialog.setDirectory(startFolder(*lastFolder));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(DocumentNaming::openFilter());
        addPlaces(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        *lastFolder = QFileInfo(dialog.selectedFiles().constFirst()).absolutePath();
        return dialog.selectedFiles().constFirst();
    };
    dialogs.save = [parent, lastFolder](const QString &proposedName, const QStringList &filters, int selected,
                                        QString *path, QString *filter) {
        QFileDialog dialog(parent);
        dialog.setDirectory(startFolder(*lastFolder));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(selected));
        dialog.selectFile(proposedName);
        addPlaces(dialog);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        *path = dialog.selectedFiles().constFirst();
        *lastFolder = QFileInfo(*path).absolutePath();
        *filter = dialog.selectedNameFilter();
        return true;
    };
    return dialogs;
}
