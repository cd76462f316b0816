#ifndef REVIEWPRESENTER_H
#define REVIEWPRESENTER_H

#include "messagepresenter.h"
#include "reviewsession.h"

#include <QCoreApplication>
#include <functional>

class CustomWindow;
class MainWndUi;
class MarkList;
class ProgressOverlay;
class ReportFrame;
class TextBackup;
class UpdateOffer;

// What the main window shows of a review: the locked window with the
// progress cover while it runs, then the marks, the summary line, the
// closing message (limits, no suggestions, expired session, connection
// error) and the report; and the commands that end a review's marks: apply
// all and clear all.
class ReviewPresenter
{
    Q_DECLARE_TR_FUNCTIONS(MainWnd)

public:
    struct Hooks
    {
        std::function<void()> logOut;          // "Log in" after an expired session
        std::function<void()> retry;           // "Retry" after a connection error
        const UpdateOffer *updates;            // its indicator comes back with the window
    };

    ReviewPresenter(CustomWindow *window, const MainWndUi &ui, ReviewSession *session, MarkList *marks,
                    TextBackup *backup, MessagePresenter ask, Hooks hooks);

    ProgressOverlay *progress() const { return m_progress; }
    ReportFrame *report() const { return m_report; }

    // Review: the crash copy first, then the text checked afresh.
    void start();
    void refuse(ReviewSession::Refusal reason);
    // Cancel (byUser) or a word limit: the review ends with the marks it has.
    void stop(bool byUser = false);
    void checkEnded(bool succeeded);
    // The progress cover is done: the review's results are shown.
    void finish();
    // Discards the review: no marks, no chunks, an empty editor.
    void discard();
    void applyAll();
    void clearAll();
    // A paste over the whole reviewed text discards the review; other
    // pastes and cuts first retire the marks they touch.
    void paste(const QString &text);
    void cut();
    void showReport();
    // The report button: the last report again.
    void reopenReport();
    void closeReport();

private:
    int ask(const QString &text, const QStringList &buttons) const { return m_ask(text, buttons, nullptr); }
    void showSummary();
    void showEndMessage();

    CustomWindow *m_window;
    const MainWndUi &m_ui;
    ReviewSession *m_session;
    MarkList *m_marks;
    TextBackup *m_backup;
    MessagePresenter m_ask;
    Hooks m_hooks;
    ProgressOverlay *m_progress;
    ReportFrame *m_report;
};

#endif
