#include "reviewpresenter.h"

#include "checktaskthread.h"
#include "correctionpanel.h"
#include "customtexteditor.h"
#include "customwindow.h"
#include "titlebar.h"
#include "eventlog.h"
#include "loadingbox.h"
#include "mainwndui.h"
#include "marklist.h"
#include "preferences.h"
#include "progressoverlay.h"
#include "reportframe.h"
#include "textbackup.h"
#include "updateoffer.h"
#include "useraccess.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace {

const char *const kConnectionError = QT_TRANSLATE_NOOP(
    "MainWnd",
    "Oops, nobody answered. There's a connection error or Quillet is not home right now.\t\t\t   "
    "\n\nPlease check your network connection. You may need to use proxy under certain circumstances.");

} // namespace

ReviewPresenter::ReviewPresenter(CustomWindow *window, const MainWndUi &ui, ReviewSession *session, MarkList *marks,
                                 TextBackup *backup, MessagePresenter ask, Hooks hooks)
    : m_window(window)
    , m_ui(ui)
    , m_session(session)
    , m_marks(marks)
    , m_backup(backup)
    , m_ask(std::move(ask))
    , m_hooks(std::move(hooks))
    , m_progress(new ProgressOverlay(ui.central))
    , m_report(new ReportFrame(ui.central))
{
    m_progress->setCoveredWidget(m_ui.editorArea);
    m_progress->hide();
    m_report->setCoveredWidget(m_ui.editorArea);
    m_report->hide();
    QObject::connect(session, &ReviewSession::progressChanged, m_progress, &ProgressOverlay::setProgress);
}

void ReviewPresenter::start()
{
    // The running review's chunks are lent to the check run: a second press
    // of Review must not discard them under it.
    if (m_session->isRunning())
        return;
    EventLog::log(Preferences().enrichmentEnabled() ? QStringLiteral("QL_Main_Review_Improve")
                                                    : QStringLiteral("QL_Main_Review"));
    m_backup->backup();
    m_backup->pause();
    const QString text = m_ui.editor->toPlainText();
    discard();
    m_ui.editor->setDocumentText(text);
    m_session->start(text);
    m_window->setControlsLocked(true);
    m_progress->start();
}

void ReviewPresenter::refuse(ReviewSession::Refusal reason)
{
    if (reason == ReviewSession::TooManyWords)
        ask(tr("Sorry, your request surpassed  Quillet usage limit (10,000 words per submit). "
               "Please shorten your text and try again."),
            {tr("OK")});
    else
        ask(tr("Sorry, your request surpassed  Quillet usage limit (30,000 words per minute). "
               "Please try again later."),
            {tr("OK")});
    stop();
}

void ReviewPresenter::stop(bool byUser)
{
    if (byUser)
        EventLog::log(QStringLiteral("QL_Main_Reviev_Cancel"));
    m_session->cancel();
    finish();
}

void ReviewPresenter::checkEnded(bool succeeded)
{
    if (succeeded)
        m_progress->finish(); // its closing animation ends in finish()
    else
        finish();
}

void ReviewPresenter::finish()
{
    if (!m_session->finish())
        return;
    m_window->setControlsLocked(false);
    // A review that ran to its end leaves the cover fading out over its
    // marks; any other end takes it away at once.
    if (m_progress->state() != ProgressOverlay::Fading)
        m_progress->stop();
    m_backup->resume();
    m_marks->showReviewMarks();
    showSummary();
    showEndMessage();
    if (m_session->succeeded()) {
        const CheckTaskThread *run = m_session->checkRun();
        m_report->showReport(run->lexicalScore(), run->syntaxScore(), m_marks->categories(),
                             int(m_session->chunks().size()), m_session->wordCount(), run->levelCounts());
        if (Preferences().showReport()) {
            EventLog::log(QStringLiteral("QL_Main_Report"));
            showReport();
        } else {
            m_ui.reportButton->show();
            m_hooks.updates->showIndicatorIfAvailable();
        }
    }
    m_ui.editor->resetUndo();
}

void ReviewPresenter::showSummary()
{
    const int words = m_session->wordCount();
    if (words <= 0)
        return;
    m_ui.wordsLabel->setText(tr("Words:") + QLatin1Char(' ') + QString::number(words));
    m_ui.errorsLabel->setText(tr("Errors:") + QLatin1Char(' ') + QString::number(m_marks->categories().value(3)));
    m_ui.suggestionsLabel->setText(tr("Suggestions:") + QLatin1Char(' ')
                                   + (Preferences().enrichmentEnabled()
                                          ? QString::number(m_marks->categories().value(4))
                                          : tr("(Disabled)")));
    m_ui.summaryLine->show();
}

void ReviewPresenter::showEndMessage()
{
    switch (m_session->lastError()) {
    case 0:
        if (m_session->succeeded() && !m_session->isCancelled() && m_marks->liveMarks().isEmpty()
            && !Preferences().showReport())
            ask(tr("Oops...Quillet has no suggestions for your current text. Either you wrote "
                   "brilliantly, or Quillet is not smart enough."),
                {tr("OK")});
        break;
    case QNetworkReply::OperationCanceledError:
        break;
    case QNetworkReply::AuthenticationRequiredError:
        if (!GammaLib::UserAccess::instance().IsUserLoginInBlock()) {
            if (ask(tr("Log in session expired. Please log in again to continue using Quillet. "),
                    {tr("Log in"), tr("Cancel")})
                == QDialog::Accepted)
                m_hooks.logOut();
            break;
        }
        [[fallthrough]];
    default:
        if (ask(tr(kConnectionError), {tr("Retry"), tr("Cancel")}) == QDialog::Accepted)
            m_hooks.retry();
        break;
    }
}

void ReviewPresenter::discard()
{
    m_marks->clear();
    m_ui.editor->setChunkList(nullptr);
    m_ui.correctionPanel->clearMark();
    m_session->discard();
    m_ui.editor->clear();
    m_ui.editor->removeLineSpacing();
    m_ui.editor->setFocus();
    m_ui.editor->resetUndo();
    m_ui.reportButton->hide();
    m_ui.summaryLine->hide();
    m_ui.applyAllButton->setEnabled(false);
}

void ReviewPresenter::applyAll()
{
    if (m_session->isRunning())
        return;
    if (ask(tr("All flagged errors will be replaced with the top correction option shown right "
               "beneath it. Proceed anyway?"),
            {tr("Confirm"), tr("Cancel")})
        != QDialog::Accepted)
        return;
    EventLog::log(QStringLiteral("QL_Main_Apply_All"));
    m_backup->pause();
    LoadingBox box(m_window);
    box.start();
    // The whole batch is one undo step that brings every mark back. The
    // editor does not paint while the step is open (its layout catches up
    // when the step ends); the box keeps turning meanwhile.
    m_ui.editor->setUpdatesEnabled(false);
    m_marks->applyAll([] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    m_ui.editor->setUpdatesEnabled(true);
    m_ui.applyAllButton->setEnabled(false);
    box.stop();
    m_backup->resume();
}

void ReviewPresenter::clearAll()
{
    // Clearing would delete the chunks the running check still reads.
    if (m_session->isRunning())
        return;
    if (ask(tr("Your current text will be cleared. Proceed?"), {tr("Confirm"), tr("Cancel")})
        != QDialog::Accepted)
        return;
    EventLog::log(QStringLiteral("QL_Main_Clear"));
    discard();
}

void ReviewPresenter::showReport()
{
    m_report->show();
    m_report->raise();
    m_window->setControlsLocked(true);
    m_ui.updateIndicator->hide();
}

void ReviewPresenter::reopenReport()
{
    if (m_session->isRunning())
        return;
    EventLog::log(QStringLiteral("QL_Main_More"));
    EventLog::log(QStringLiteral("QL_Main_Report"));
    showReport();
}

void ReviewPresenter::closeReport()
{
    if (m_report->isHidden())
        return;
    m_report->hide();
    m_window->setControlsLocked(false);
    m_hooks.updates->showIndicatorIfAvailable();
}

void ReviewPresenter::paste(const QString &text)
{
    // The text is being checked; a paste (from the toolbar) would move it
    // under the chunks of the running review.
    if (m_session->isRunning())
        return;
    EventLog::log(QStringLiteral("QL_Main_Paste"));
    if (m_ui.editor->isAllSelected() && !m_session->chunks().isEmpty())
        discard();
    else
        m_marks->retireForEdit();
    m_ui.editor->textCursor().insertText(text);
}

void ReviewPresenter::cut()
{
    if (m_session->isRunning())
        return;
    m_marks->retireForEdit();
    m_ui.editor->cut();
}
