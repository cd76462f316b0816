#include "textbackup.h"

#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "preferences.h"
#include "transientnotice.h"

TextBackup::TextBackup(CustomTextEditor *editor)
    : m_editor(editor)
    , m_copy(AppSettings::preferenceConfig().directory())
{
}

void TextBackup::backup()
{
    m_copy.backup(m_editor->toPlainText());
}

void TextBackup::recover(TransientNotice *notice)
{
    Preferences preferences;
    if (preferences.lastRunCrashed()) {
        const QString text = m_copy.read();
        m_editor->setDocumentText(text);
        m_editor->moveCursor(QTextCursor::End);
        // Shown once the window is up and laid out, and held longer than
        // other notices so that it is seen.
        QTimer::singleShot(0, notice, [notice] {
            notice->showText(tr("Your software crashed unexpectedly. Text recovered and loaded for "
                                "you before the crash."),
                             8000);
        });
    } else {
        preferences.setRunning(true);
        preferences.save();
    }
}

void TextBackup::keepForSignal()
{
    m_timer.stop();
    const QString text = m_editor->toPlainText();
    const bool keepText = !text.trimmed().isEmpty();
    if (keepText) {
        m_copy.markChanged();
        m_copy.backup(text);
    }
    // With text kept, the next start offers it back as after a crash.
    Preferences preferences;
    preferences.setRunning(keepText);
    preferences.save();
}

void TextBackup::markEnded()
{
    Preferences preferences;
    preferences.setRunning(false);
    preferences.save();
}
