// The main window's note-service commands: the progress panel and the note
// list laid over the window's content, locking the window while they are up.
#include "mainwnd.h"

#include "customtexteditor.h"
#include "evernote.h"
#include "evernotelistframe.h"
#include "evernoteprogressframe.h"
#include "overlay.h"

#include <QDialog>
#include <QGridLayout>
#include <QPushButton>

void MainWnd::setUpEvernote()
{
    m_evernoteCover = new Overlay(m_ui.central);
    m_evernoteCover->setObjectName(QStringLiteral("evernoteCover"));
    m_evernoteCover->setCoveredWidget(m_ui.central);
    m_evernoteCover->setDimColor(QColor(40, 40, 40, 120));
    auto *layout = new QGridLayout(m_evernoteCover);
    m_evernoteProgress = new EvernoteProgressFrame(m_evernoteCover);
    m_evernoteList = new EvernoteListFrame(m_evernoteCover);
    m_evernoteList->setEvernote(m_evernoteProgress->evernote());
    layout->addWidget(m_evernoteProgress, 0, 0, Qt::AlignCenter);
    layout->addWidget(m_evernoteList, 0, 0, Qt::AlignCenter);
    m_evernoteProgress->hide();
    m_evernoteList->hide();
    m_evernoteCover->hide();

    connect(m_evernoteProgress, &EvernoteProgressFrame::signalFinished, this, &MainWnd::slotEvernoteFinished);
    connect(m_evernoteList, &EvernoteListFrame::signalFinished, this, &MainWnd::slotOpenEvernoteFinished);
}

void MainWnd::startEvernote(int mode)
{
    // Not over a running review or another cover.
    if (m_tutorial || m_reviewRunning || areControlsLocked() || m_evernoteCover->isVisible())
        return;
    setControlsLocked(true);
    m_ui.updateIndicator->hide();
    m_evernoteList->hide();
    m_evernoteProgress->show();
    m_evernoteCover->follow();
    m_evernoteCover->show();
    m_evernoteCover->raise();
    m_evernoteProgress->start(EvernoteProgressFrame::Mode(mode),
                              mode == EvernoteProgressFrame::SaveMode ? m_ui.editor->toPlainText() : QString());
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
    m_evernoteProgress->hide();
    if (m_evernoteProgress->listingReady()) {
        // The listing goes on in the note list; the window stays locked.
        m_evernoteList->setNotes(m_evernoteProgress->evernote()->notes());
        m_evernoteList->show();
        m_evernoteList->raise();
        return;
    }
    m_evernoteCover->hide();
    setControlsLocked(false);
    if (m_updateAvailable)
        m_ui.updateIndicator->show();
}

void MainWnd::slotOpenEvernoteFinished(const QString &content)
{
    m_evernoteList->hide();
    m_evernoteProgress->hide();
    m_evernoteCover->hide();
    setControlsLocked(false);
    if (m_updateAvailable)
        m_ui.updateIndicator->show();
    if (content.isEmpty())
        return;
    if (!m_ui.editor->toPlainText().trimmed().isEmpty()) {
        const int answer = ask(tr("The current text will be replaced. You may lose all edits if not saved. "
                                  "Proceed?"),
                               {tr("Confirm"), tr("Cancel")});
        if (answer != QDialog::Accepted)
            return;
    }
    clearReview();
    m_ui.editor->setDocumentText(content);
}
