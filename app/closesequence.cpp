#include "closesequence.h"

#include "customtexteditor.h"
#include "customwindow.h"
#include "titlebar.h"
#include "eventlog.h"
#include "startupsteps.h"
#include "textbackup.h"
#include "useraccess.h"
#include "userinformation.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QProcess>
#include <QThread>
#include <QTimer>

CloseSequence::CloseSequence(CustomWindow *window, CustomTextEditor *editor, TextBackup *backup,
                             GammaLib::UserInformation *usage, MessagePresenter ask, Hooks hooks)
    : m_window(window)
    , m_editor(editor)
    , m_backup(backup)
    , m_usage(usage)
    , m_ask(std::move(ask))
    , m_hooks(std::move(hooks))
{
}

void CloseSequence::closeForSignal()
{
    if (m_endingForSignal)
        return;
    m_endingForSignal = true;
    m_backup->keepForSignal();
    m_hooks.savePlacement();
    m_window->hide();
    // Whatever comes first: the upload's end or the time allowed for it.
    auto quit = [] { QCoreApplication::exit(0); };
    QObject::connect(m_usage, &GammaLib::UserInformation::signalUploaded, m_window, quit);
    QTimer::singleShot(SignalUploadMs, m_window, quit);
    m_usage->Upload(GammaLib::UserAccess::instance().sessionKey());
}

void CloseSequence::startUpload()
{
    m_hooks.savePlacement();
    m_window->hide();
    m_usage->Upload(GammaLib::UserAccess::instance().sessionKey());
}

void CloseSequence::closeEvent(QCloseEvent *event, bool busy)
{
    if (m_endingForSignal) {
        event->ignore(); // the program is already ending, with the text kept
        return;
    }
    if (busy || m_window->areControlsLocked()) {
        event->ignore();
        return;
    }
    if (m_closeAllowed) {
        event->accept();
        TextBackup::markEnded();
        endEventLoop();
        return;
    }
    event->ignore();
    if (m_closing)
        return; // the upload and log-out are already on their way
    m_closing = true;
    if (m_editor->hasText()) {
        bool save = false;
        const int answer = ask(tr("Your current text will be lost if not saved. Proceed anyway?"),
                               {tr("Confirm"), tr("Cancel"), tr("Save")}, &save);
        if (answer != QDialog::Accepted || (save && !m_hooks.saveDocument())) {
            m_closing = false;
            m_restartAfterClose = false;
            return;
        }
    }
    startUpload();
}

void CloseSequence::endEventLoop()
{
    // The window was hidden before the upload and log-out, and closing a
    // hidden window does not count as closing the last window: end the
    // program's event loop here, unless another main window is still up.
    if (!QGuiApplication::quitOnLastWindowClosed() || QThread::currentThread()->loopLevel() == 0)
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != m_window && window->isVisible() && !window->parentWidget()
            && window->testAttribute(Qt::WA_QuitOnClose))
            return;
    }
    QCoreApplication::quit();
}

void CloseSequence::logOut()
{
    EventLog::log(QStringLiteral("QL_Main_Logout"));
    m_closing = false;
    if (m_editor->hasText()) {
        bool save = false;
        const int answer = ask(tr("Your current text will be lost without being saved. Confirm log out?"),
                               {tr("Log out"), tr("Cancel"), tr("Save")}, &save);
        if (answer != QDialog::Accepted || (save && !m_hooks.saveDocument()))
            return;
    }
    m_loggingOut = true;
    startUpload();
}

void CloseSequence::logoutFinished()
{
    if (!m_closing && !m_loggingOut)
        return; // not ours (another window's log-out)
    m_backup->pause();
    if (m_closing) {
        m_closeAllowed = true;
        m_window->setControlsLocked(false);
        m_window->close();
        if (m_restartAfterClose)
            QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("restart")});
        return;
    }
    m_loggingOut = false;
    m_hooks.discardReview();
    if (StartupSteps::signInAfterLogout(m_window)) {
        m_usage->Refresh();
        m_window->show();
        m_backup->resume();
    } else {
        m_closeAllowed = true;
        m_window->close();
    }
}

void CloseSequence::restart()
{
    m_window->setControlsLocked(false);
    m_restartAfterClose = true;
    m_window->close();
}
