#ifndef CLOSESEQUENCE_H
#define CLOSESEQUENCE_H

#include "messagepresenter.h"

#include <QCoreApplication>
#include <functional>

class CustomTextEditor;
class CustomWindow;
class QCloseEvent;
class TextBackup;

namespace GammaLib {
class UserInformation;
}

// How the main window ends: the orderly close and the log-out (the question
// about unsaved text, the usage upload, the log-out at the account service,
// then closing or signing in again), the restart after a language change or
// an update, and the quick end when a signal asks for it.
class CloseSequence
{
    Q_DECLARE_TR_FUNCTIONS(MainWnd)

public:
    // The usage upload gets this long when a signal ends the program.
    static constexpr int SignalUploadMs = 2000;

    struct Hooks
    {
        std::function<bool()> saveDocument;  // the save dialog; false when not saved
        std::function<void()> savePlacement; // before the window hides
        std::function<void()> discardReview; // after a log-out
    };

    CloseSequence(CustomWindow *window, CustomTextEditor *editor, TextBackup *backup,
                  GammaLib::UserInformation *usage, MessagePresenter ask, Hooks hooks);

    bool isClosing() const { return m_closing; }

    // The window's close event; busy: a review, the tutorial or a cover is up.
    void closeEvent(QCloseEvent *event, bool busy);
    // SIGTERM or SIGHUP: ends without a question, the text kept for the next
    // start, the upload given SignalUploadMs at most.
    void closeForSignal();
    void logOut();
    // The account service answered the log-out.
    void logoutFinished();
    // Closes as above and starts the program again afterwards.
    void restart();

private:
    int ask(const QString &text, const QStringList &buttons, bool *extra) const { return m_ask(text, buttons, extra); }
    void startUpload();
    void endEventLoop();

    CustomWindow *m_window;
    CustomTextEditor *m_editor;
    TextBackup *m_backup;
    GammaLib::UserInformation *m_usage;
    MessagePresenter m_ask;
    Hooks m_hooks;
    bool m_closing = false;
    bool m_restartAfterClose = false;
    bool m_closeAllowed = false;
    bool m_loggingOut = false;
    bool m_endingForSignal = false;
};

#endif
