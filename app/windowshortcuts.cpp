#include "windowshortcuts.h"

#include "callbackobject.h"
#include "correctionitem.h"
#include "custommenubar.h"
#include "customtexteditor.h"
#include "editorzoom.h"
#include "eventlog.h"
#include "mainwnd.h"
#include "settingframe.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

namespace {

// The desktop's keys for a standard command, or the given ones where the
// desktop has none (Quit and Preferences on some desktops).
QList<QKeySequence> standardKeys(QKeySequence::StandardKey key, const QList<QKeySequence> &fallback = {})
{
    const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
    return keys.isEmpty() ? fallback : keys;
}

QList<QKeySequence> joined(QList<QKeySequence> first, const QList<QKeySequence> &second)
{
    for (const QKeySequence &key : second)
        if (!first.contains(key))
            first.append(key);
    return first;
}

} // namespace

WindowShortcuts::WindowShortcuts(MainWnd *window)
    : QObject(window)
    , m_window(window)
{
    m_zoom = new EditorZoom(window->editor(), this);
    const MainWndUi &ui = window->ui();
    CustomMenuBar *menu = window->menuBar();

    // The menu shows the keys of its commands; they work from anywhere in
    // the window, through the shortcuts below.
    auto showKeys = [](QAction *action, const QList<QKeySequence> &keys) {
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
    };
    const QList<QKeySequence> open = standardKeys(QKeySequence::Open);
    const QList<QKeySequence> save = joined(standardKeys(QKeySequence::Save), standardKeys(QKeySequence::SaveAs));
    const QList<QKeySequence> quit = standardKeys(QKeySequence::Quit, {QKeySequence(Qt::CTRL | Qt::Key_Q)});
    const QList<QKeySequence> help = standardKeys(QKeySequence::HelpContents, {QKeySequence(Qt::Key_F1)});
    showKeys(menu->openLocalAction(), open);
    showKeys(menu->saveLocalAction(), save);
    showKeys(menu->closeAction(), quit);
    showKeys(menu->faqAction(), help);
    showKeys(menu->settingsAction(), preferencesKeys());

    addKeys(open, [ui] { ui.openButton->click(); });
    addKeys(save, [ui] { ui.saveAsButton->click(); });
    addKeys(quit, [menu] { menu->closeAction()->trigger(); });
    addKeys(help, [menu] { menu->faqAction()->trigger(); });
    addKeys(preferencesKeys(), [menu] { menu->settingsAction()->trigger(); });
    addKeys(reviewKeys(), [ui] { ui.reviewButton->click(); });
    addKeys(nextMarkKeys(), [this] { selectNextMark(); });
    addKeys(previousMarkKeys(), [this] { selectPreviousMark(); });
    addKeys(applyKeys(), [this] { applyCurrentMark(); });
    addKeys(menuKeys(), [menu] {
        if (menu->isEnabled() && menu->isVisible())
            menu->showMenu();
    });

    // The settings dialog has a size control too.
    connect(window->settingFrame(), &SettingFrame::signalClose, m_zoom, &EditorZoom::reload);

    // The text size works whatever is up: it changes nothing but the look.
    const QList<QKeySequence> larger = joined(standardKeys(QKeySequence::ZoomIn),
                                              {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                                               QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    const QList<QKeySequence> smaller = joined(standardKeys(QKeySequence::ZoomOut),
                                               {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
    for (const auto &[keys, slot] : {std::pair{larger, &EditorZoom::zoomIn},
                                     std::pair{smaller, &EditorZoom::zoomOut},
                                     std::pair{QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_0)},
                                               &EditorZoom::reset}}) {
        auto *shortcut = new QShortcut(window);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, m_zoom, slot);
    }
}

QList<QKeySequence> WindowShortcuts::reviewKeys()
{
    return {QKeySequence(Qt::Key_F7)};
}

QList<QKeySequence> WindowShortcuts::nextMarkKeys()
{
    return joined({QKeySequence(Qt::Key_F8)}, QKeySequence::keyBindings(QKeySequence::FindNext));
}

QList<QKeySequence> WindowShortcuts::previousMarkKeys()
{
    return joined({QKeySequence(Qt::SHIFT | Qt::Key_F8)}, QKeySequence::keyBindings(QKeySequence::FindPrevious));
}

QList<QKeySequence> WindowShortcuts::applyKeys()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)};
}

QList<QKeySequence> WindowShortcuts::menuKeys()
{
    return {QKeySequence(Qt::Key_F10)};
}

QList<QKeySequence> WindowShortcuts::preferencesKeys()
{
    return standardKeys(QKeySequence::Preferences, {QKeySequence(Qt::CTRL | Qt::Key_Comma)});
}

QShortcut *WindowShortcuts::addKeys(const QList<QKeySequence> &keys, const std::function<void()> &command)
{
    auto *shortcut = new QShortcut(m_window);
    shortcut->setKeys(keys);
    connect(shortcut, &QShortcut::activated, this, [this, command] {
        if (unlocked())
            command();
    });
    return shortcut;
}

bool WindowShortcuts::unlocked() const
{
    return m_window->isVisible() && !m_window->areControlsLocked() && !m_window->isReviewRunning();
}

CorrectionItem *WindowShortcuts::neighbourMark(bool forward) const
{
    const QList<CorrectionItem *> &marks = m_window->liveMarks();
    CorrectionItem *current = m_window->currentMark();
    const int from = current ? current->start() : m_window->editor()->textCursor().position();
    CorrectionItem *nearest = nullptr;
    CorrectionItem *wrapped = nullptr;
    for (CorrectionItem *mark : marks) {
        if (mark == current)
            continue;
        const int at = mark->start();
        const bool ahead = forward ? at > from : at < from;
        if (ahead && (!nearest || (forward ? at < nearest->start() : at > nearest->start())))
            nearest = mark;
        if (!wrapped || (forward ? at < wrapped->start() : at > wrapped->start()))
            wrapped = mark;
    }
    if (nearest)
        return nearest;
    return wrapped ? wrapped : current;
}

bool WindowShortcuts::selectNextMark()
{
    CorrectionItem *mark = neighbourMark(true);
    if (!mark || !unlocked())
        return false;
    m_window->editor()->selectMark(mark);
    return true;
}

bool WindowShortcuts::selectPreviousMark()
{
    CorrectionItem *mark = neighbourMark(false);
    if (!mark || !unlocked())
        return false;
    m_window->editor()->selectMark(mark);
    return true;
}

bool WindowShortcuts::applyCurrentMark()
{
    CorrectionItem *mark = m_window->currentMark();
    if (!mark || !unlocked())
        return false;
    EventLog::log(QStringLiteral("QL_Main_First_Candidate"));
    CallbackObject::instance().invokeCallback(mark, ApplyCandidate, 0);
    return true;
}
