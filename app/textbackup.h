#ifndef TEXTBACKUP_H
#define TEXTBACKUP_H

#include "crashrecoverycopy.h"

#include <QCoreApplication>
#include <QTimer>

class CustomTextEditor;
class TransientNotice;

// The editor's text copied every BackupMs (and before each review) so that
// the next start can bring it back after a crash, and the "running" flag of
// the preferences that tells the next start whether this one ended in order.
class TextBackup
{
    Q_DECLARE_TR_FUNCTIONS(MainWnd)

public:
    static constexpr int BackupMs = 5000;

    explicit TextBackup(CustomTextEditor *editor);

    QTimer &timer() { return m_timer; }
    void pause() { m_timer.stop(); }
    void resume() { m_timer.start(BackupMs); }

    void markChanged() { m_copy.markChanged(); }
    // Writes the copy when the text changed since the last one.
    void backup();
    // At start: when the last run crashed, its copy goes into the editor
    // and the notice tells so; otherwise this run is marked as running.
    void recover(TransientNotice *notice);
    // A signal ends the program: a text in the editor is copied and the
    // next start offers it back as after a crash.
    void keepForSignal();
    // An orderly end: the next start recovers nothing.
    static void markEnded();

private:
    CustomTextEditor *m_editor;
    CrashRecoveryCopy m_copy;
    QTimer m_timer;
};

#endif
