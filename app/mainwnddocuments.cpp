// The main window's document commands: open, open recent, save as, and the
// save procedure the close and log-out questions use.
#include "mainwnd.h"

#include "appsettings.h"
#include "configfile.h"
#include "custommenubar.h"
#include "customtexteditor.h"
#include "documentnaming.h"
#include "recentfilelist.h"
#include "textdocumentfile.h"
#include "transientnotice.h"
#include "wordprocessorbridge.h"

#include <QAction>
#include <QDateTime>
#include <QDialog>

namespace {

ConfigFile &documentPreferences() { return AppSettings::preferenceConfig(); }

} // namespace

void MainWnd::slotOpen()
{
    if (m_reviewRunning)
        return; // the running review reads the editor's text
    log(QStringLiteral("QL_Main_Open"));
    const QString path = m_dialogs.open ? m_dialogs.open() : QString();
    if (!path.isEmpty())
        loadDocument(path);
}

void MainWnd::slotOpenRecentFile()
{
    if (m_reviewRunning)
        return;
    if (auto *action = qobject_cast<QAction *>(sender()))
        loadDocument(action->data().toString());
}

void MainWnd::slotSaveAs()
{
    log(QStringLiteral("QL_Main_Save_As"));
    saveDocument();
}

bool MainWnd::loadDocument(const QString &path)
{
    if (m_reviewRunning || path.isEmpty())
        return false;
    if (!m_ui.editor->toPlainText().trimmed().isEmpty()) {
        const int answer = ask(tr("The current text will be replaced. You may lose all edits if not saved. "
                                  "Proceed?"),
                               {tr("Confirm"), tr("Cancel")});
        if (answer != QDialog::Accepted)
            return false;
    }
    // Paths keep their "/": on this system a "\" would name another file.
    QString text;
    const bool loaded = DocumentNaming::isPlainText(path) ? TextDocumentFile::read(path, &text)
                                                          : WordProcessorBridge::read(path, &text);
    RecentFileList recent(documentPreferences());
    recent.setChangedHook([this] { m_menuBar->updateRecentFiles(); });
    if (!loaded) {
        recent.remove(path);
        ask(tr("Failed to load file. Either the file doesn't exist, or the file format is not supported."),
            {tr("OK")});
        return false;
    }
    clearReview();
    m_ui.editor->setDocumentText(text);
    recent.add(path);
    documentPreferences().save();
    return true;
}

bool MainWnd::saveDocument()
{
    if (!m_dialogs.save)
        return false;
    ConfigFile &preferences = documentPreferences();
    QString chosen;
    QString filter;
    const QStringList filters = DocumentNaming::saveFilters();
    if (!m_dialogs.save(DocumentNaming::proposedSaveName(QDateTime::currentDateTime()), filters,
                        DocumentNaming::preselectedFilter(preferences.value(QStringLiteral("Save_Filter"))),
                        &chosen, &filter))
        return false;
    const QString index = DocumentNaming::filterIndex(filter);
    preferences.setValue(QStringLiteral("Save_Filter"), index);
    const QString path = DocumentNaming::pathWithExtension(chosen, index);
    const QString text = m_ui.editor->toPlainText();
    if (DocumentNaming::isPlainText(path)) {
        if (!TextDocumentFile::write(path, text)) {
            ask(tr("Failed to save file."), {tr("OK")});
            return false;
        }
    } else if (!WordProcessorBridge::write(path, text)) {
        ask(tr("Failed to save file.\nEither you're trying to over-write a file which is in use. Or you may "
               "have to install Office first."),
            {tr("OK")});
        return false;
    }
    log(QStringLiteral("QL_Main_Save_Succ"));
    m_notice->showText(tr("Successfully saved."));
    return true;
}
