#ifndef WINDOWSHORTCUTS_H
#define WINDOWSHORTCUTS_H

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <functional>

class CorrectionItem;
class EditorZoom;
class MainWnd;
class QShortcut;

// The main window's keyboard commands. The menu's commands use the desktop's
// standard keys (Open, Save, Save As, Quit, Preferences, Help Contents) and
// show them in the menu; the review has keys of its own:
//   F7                     Review
//   F8, Shift+F8           the next and the previous mark (also the standard
//                          Find Next and Find Previous keys)
//   Ctrl+Return            apply the current mark's first candidate
//   F10                    open the title-bar menu
//   Ctrl+plus, Ctrl+minus, Ctrl+0   larger, smaller, the system's text size
// No command runs while the window is locked (a review, the settings, the
// report or the first-run tutorial is up), nor one whose button is disabled.
class WindowShortcuts : public QObject
{
    Q_OBJECT
public:
    explicit WindowShortcuts(MainWnd *window);

    EditorZoom *zoom() const { return m_zoom; }

    // The keys of each command, for the menu and the tests.
    static QList<QKeySequence> reviewKeys();
    static QList<QKeySequence> nextMarkKeys();
    static QList<QKeySequence> previousMarkKeys();
    static QList<QKeySequence> applyKeys();
    static QList<QKeySequence> menuKeys();
    static QList<QKeySequence> preferencesKeys();

public slots:
    // The mark after (before) the cursor or the current mark, wrapping round
    // at the end (start) of the text; false when there is none.
    bool selectNextMark();
    bool selectPreviousMark();
    // Applies the current mark's first candidate; false when no mark is current.
    bool applyCurrentMark();

private:
    QShortcut *addKeys(const QList<QKeySequence> &keys, const std::function<void()> &command);
    bool unlocked() const;
    CorrectionItem *neighbourMark(bool forward) const;

    MainWnd *m_window = nullptr;
    EditorZoom *m_zoom = nullptr;
};

#endif
