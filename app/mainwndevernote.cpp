// The main window's note-service commands: the progress panel and the note
// list laid over the window's content, locking the window while they are up.
#include "mainwnd.h"

#include "customtexteditor.h"
#include "evernotecover.h"
#include "evernotelistframe.h"
#include "evernoteprogressframe.h"

#include <QPushButton>

EvernoteProgressFrame *MainWnd::evernoteProgressFrame() const { return m_evernoteCover->progressFrame(); }
EvernoteListFrame *MainWnd::evernoteListFrame() const { return m_evernoteCover->listFrame(); }

void MainWnd::setUpEvernote()
{
    m_evernoteCover = new EvernoteCover(m_ui.central);
    connect(evernoteProgressFrame(), &EvernoteProgressFrame::signalFinished, this, &MainWnd::slotEvernoteFinished);
    connect(evernoteListFrame(), &EvernoteListFrame::signalFinished, this, &MainWnd::slotOpenEvernoteFinished);
}

void MainWnd::startEvernote(int mode)
{
    // Not over a running review or another cover.
    if (m_tutorial || isReviewRunning() || areControlsLocked() || m_evernoteCover->isVisible())
        return;
    setControlsLocked(true);
    m_ui.updateIndicator->hide();
    m_evernoteCover->start(mode, mode == EvernoteProgressFrame::SaveMode ? m_ui.editor->toPlainText() : QString());
}

void MainWnd::slotOpenEvernote()
{
    startEvernote(EvernoteProgressFrame::OpenMode);
}

void MainWnd::slotSaveAsEvernote()
{
    startEvernote(EvernoteProgressFrame::SaveMode);
}

void MainWnd::slotEvernoteFinished()
{
    if (!m_evernoteCover->progressFinished())
        return;
    setControlsLocked(false);
    m_updates.showIndicatorIfAvailable();
}

void MainWnd::slotOpenEvernoteFinished(const QString &content)
{
    m_evernoteCover->listFinished();
    setControlsLocked(false);
    m_updates.showIndicatorIfAvailable();
    if (!content.isEmpty() && m_files->confirmReplace()) {
        clearReview();
        m_ui.editor->setDocumentText(content);
    }
}
