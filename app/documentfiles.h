#ifndef DOCUMENTFILES_H
#define DOCUMENTFILES_H

#include "documentdialogs.h"
#include "messagepresenter.h"

#include <QCoreApplication>
#include <functional>

class CustomWindow;
class MainWndUi;
class ProgressOverlay;
class TransientNotice;

// The main window's document commands: open (from the dialog or a recent
// file), save as, and the save procedure the close and log-out questions use.
// A Word 97-2003 document is written on a worker thread under a cover with
// a Cancel button while the window keeps answering.
class DocumentFiles
{
    Q_DECLARE_TR_FUNCTIONS(MainWnd)

public:
    struct Hooks
    {
        std::function<void()> discardReview; // before a loaded text goes in
        std::function<void()> recentChanged; // the recent-file list changed
    };

    DocumentFiles(CustomWindow *window, const MainWndUi &ui, MessagePresenter ask, Hooks hooks);

    void setDialogs(DocumentDialogs dialogs) { m_dialogs = std::move(dialogs); }
    void setNotice(TransientNotice *notice) { m_notice = notice; }

    // The open dialog, then load().
    void open();
    // Loads a document into the editor; false when the user kept the current
    // text or the file could not be read.
    bool load(const QString &path);
    // Asked before a text replaces the editor's (only when it has text).
    bool confirmReplace();
    // The save dialog, then the file written; false when cancelled or failed.
    bool save();

    bool isSaving() const { return m_saving; }
    // The cover shown while a Word 97-2003 document is written (null until the first).
    ProgressOverlay *saveCover() const { return m_saveCover; }

private:
    int ask(const QString &text, const QStringList &buttons) const { return m_ask(text, buttons, nullptr); }
    bool writeLegacyDocument(const QString &path, const QString &text, bool *cancelled);

    CustomWindow *m_window;
    const MainWndUi &m_ui;
    MessagePresenter m_ask;
    Hooks m_hooks;
    DocumentDialogs m_dialogs;
    TransientNotice *m_notice = nullptr;
    ProgressOverlay *m_saveCover = nullptr;
    bool m_saving = false;
};

#endif
