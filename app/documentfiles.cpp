// The main window's document commands: open, open recent, save as, and the
// save procedure the close and log-out questions use.
#include "documentfiles.h"

#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "customwindow.h"
#include "titlebar.h"
#include "documentnaming.h"
#include "eventlog.h"
#include "legacydocconverter.h"
#include "mainwndui.h"
#include "preferences.h"
#include "progressoverlay.h"
#include "recentfilelist.h"
#include "textdocumentfile.h"
#include "transientnotice.h"
#include "wordprocessorbridge.h"

#include <QDateTime>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QThread>

#include <atomic>
#include <memory>

namespace {

ConfigFile &documentPreferences() { return AppSettings::preferenceConfig(); }

} // namespace

DocumentFiles::DocumentFiles(CustomWindow *window, const MainWndUi &ui, MessagePresenter ask, Hooks hooks)
    : m_window(window)
    , m_ui(ui)
    , m_ask(std::move(ask))
    , m_hooks(std::move(hooks))
    , m_dialogs(DocumentDialogs::standard(window))
{
}

void DocumentFiles::open()
{
    EventLog::log(QStringLiteral("QL_Main_Open"));
    const QString path = m_dialogs.open ? m_dialogs.open() : QString();
    if (!path.isEmpty())
        load(path);
}

bool DocumentFiles::load(const QString &path)
{
    if (m_saving || path.isEmpty())
        return false;
    if (!confirmReplace())
        return false;
    // Paths keep their "/": on this system a "\" would name another file.
    QString text;
    const bool loaded = DocumentNaming::isPlainText(path) ? TextDocumentFile::read(path, &text)
                                                          : WordProcessorBridge::read(path, &text);
    RecentFileList recent(documentPreferences());
    recent.setChangedHook(m_hooks.recentChanged);
    if (!loaded) {
        recent.remove(path);
        ask(tr("Failed to load file. Either the file doesn't exist, or the file format is not supported."),
            {tr("OK")});
        return false;
    }
    m_hooks.discardReview();
    m_ui.editor->setDocumentText(text);
    recent.add(path);
    documentPreferences().save();
    return true;
}

bool DocumentFiles::confirmReplace()
{
    if (m_ui.editor->toPlainText().trimmed().isEmpty())
        return true;
    return ask(tr("The current text will be replaced. You may lose all edits if not saved. Proceed?"),
               {tr("Confirm"), tr("Cancel")})
        == QDialog::Accepted;
}

bool DocumentFiles::save()
{
    if (!m_dialogs.save || m_saving)
        return false;
    Preferences preferences;
    QString chosen;
    QString filter;
    // The Word 97-2003 choice only when LibreOffice is there to write it.
    const QStringList filters = DocumentNaming::saveFilters(LegacyDocConverter::canWrite());
    if (!m_dialogs.save(DocumentNaming::proposedSaveName(QDateTime::currentDateTime()), filters,
                        DocumentNaming::preselectedFilter(preferences.saveFilter(), int(filters.size())),
                        &chosen, &filter))
        return false;
    const QString index = DocumentNaming::filterIndex(filter);
    preferences.setSaveFilter(index);
    const QString path = DocumentNaming::pathWithExtension(chosen, index);
    const QString text = m_ui.editor->toPlainText();
    if (DocumentNaming::isPlainText(path)) {
        if (!TextDocumentFile::write(path, text)) {
            ask(tr("Failed to save file."), {tr("OK")});
            return false;
        }
    } else {
        bool cancelled = false;
        const bool written = DocumentNaming::isLegacyDoc(path) ? writeLegacyDocument(path, text, &cancelled)
                                                               : WordProcessorBridge::write(path, text);
        if (cancelled)
            return false;
        if (!written) {
            ask(tr("Failed to save file.\nEither you're trying to over-write a file which is in use. Or you may "
                   "have to install Office first."),
                {tr("OK")});
            return false;
        }
    }
    EventLog::log(QStringLiteral("QL_Main_Save_Succ"));
    m_notice->showText(tr("Successfully saved."));
    return true;
}

bool DocumentFiles::writeLegacyDocument(const QString &path, const QString &text, bool *cancelled)
{
    *cancelled = false;
    if (!m_saveCover) {
        m_saveCover = new ProgressOverlay(m_ui.central);
        m_saveCover->setObjectName(QStringLiteral("SaveCover"));
        m_saveCover->setCoveredWidget(m_ui.editorArea);
        // LibreOffice tells nothing about its progress: a running bar, no figure.
        m_saveCover->progressBar()->setRange(0, 0);
        if (auto *figure = m_saveCover->findChild<QLabel *>(QStringLiteral("lb_progress_value")))
            figure->hide();
    }
    m_saveCover->setText(tr("Saving the Word 97-2003 document..."));

    // The converter may take minutes; the window keeps answering meanwhile,
    // with its controls locked so nothing else starts.
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    auto written = std::make_shared<std::atomic<bool>>(false);
    QEventLoop loop;
    QThread *worker = QThread::create([path, text, cancel, written] {
        written->store(LegacyDocConverter::writeText(path, text, cancel.get()));
    });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    const QMetaObject::Connection onCancel = QObject::connect(m_saveCover, &ProgressOverlay::signalCancel, m_window, [this, cancel] {
        cancel->store(true);
        EventLog::log(QStringLiteral("QL_Main_Save_Cancel"));
        m_saveCover->setText(tr("Cancelling..."));
    });
    const bool wasLocked = m_window->areControlsLocked();
    m_saving = true;
    m_window->setControlsLocked(true);
    m_saveCover->start();
    worker->start();
    loop.exec();
    // The loop also ends when the program is told to quit: the converter is
    // then stopped rather than waited for.
    if (!worker->isFinished())
        cancel->store(true);
    worker->wait();
    delete worker;
    QObject::disconnect(onCancel);
    m_saveCover->stop();
    m_window->setControlsLocked(wasLocked);
    m_saving = false;
    *cancelled = cancel->load() && !written->load();
    return written->load();
}
