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

// The folder used last in this run, else the newest recent document's; never
// the program's own working folder.
QString startFolder(const QString &lastUsed)
{
    return DocumentFolder::startFolder(lastUsed, RecentFileList(AppSettings::preferenceConfig()).paths());
}

QString runModally(QFileDialog &dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

DocumentDialogs DocumentDialogs::standard(QWidget *parent, Runner run)
{
    if (!run)
        run = runModally;
    DocumentDialogs dialogs;
    auto lastFolder = std::make_shared<QString>();
    dialogs.open = [parent, run, lastFolder]() {
        QFileDialog dialog(parent);
        dialog.setDirectory(startFolder(*lastFolder));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilter(DocumentNaming::openFilter());
        addPlaces(dialog);
        const QString chosen = run(dialog);
        if (!chosen.isEmpty())
            *lastFolder = QFileInfo(chosen).absolutePath();
        return chosen;
    };
    dialogs.save = [parent, run, lastFolder](const QString &proposedName, const QStringList &filters,
                                             int selected, QString *path, QString *filter) {
        QFileDialog dialog(parent);
        dialog.setDirectory(startFolder(*lastFolder));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(selected));
        dialog.selectFile(proposedName);
        addPlaces(dialog);
        const QString chosen = run(dialog);
        if (chosen.isEmpty())
            return false;
        *path = chosen;
        *lastFolder = QFileInfo(chosen).absolutePath();
        *filter = dialog.selectedNameFilter();
        return true;
    };
    return dialogs;
}
