#include "windowaccessibility.h"

#include "correctionitem.h"
#include "customtexteditor.h"
#include "mainwnd.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

WindowAccessibility::WindowAccessibility(MainWnd *window)
    : QObject(window)
    , m_window(window)
{
    const MainWndUi &ui = window->ui();
    ui.searchField->setAccessibleName(QObject::tr("Search or Translate"));
    ui.scrollBar->setAccessibleName(tr("Text position"));
    ui.openButton->setAccessibleDescription(tr("Opens a text or Word document (Ctrl+O)."));
    ui.reviewButton->setAccessibleDescription(
        tr("Checks the text and flags errors (F7). F8 and Shift+F8 move between the flagged words; "
           "Ctrl+Return applies the suggestion of the current one."));
    ui.applyAllButton->setAccessibleDescription(tr("Applies the first suggestion of every flagged word."));
    ui.saveAsButton->setAccessibleDescription(tr("Saves the text as a document (Ctrl+S)."));
    ui.copyAllButton->setAccessibleDescription(tr("Copies the whole text."));
    ui.pasteButton->setAccessibleDescription(tr("Pastes the clipboard's text."));
    ui.clearAllButton->setAccessibleDescription(tr("Removes the whole text."));
    ui.reportButton->setAccessibleDescription(tr("Shows the statistics of the last review."));
    ui.sidebarToggle->setAccessibleDescription(
        tr("Shows the side panel with the current suggestion's explanation."));

    CustomTextEditor *editor = window->editor();
    m_editorDescription = editor->accessibleDescription();
    // Queued: after the window's own handling, which makes the mark at the
    // cursor current.
    connect(editor, &QTextEdit::cursorPositionChanged, this, &WindowAccessibility::followCurrentMark,
            Qt::QueuedConnection);
    connect(editor, &QTextEdit::textChanged, this, &WindowAccessibility::followCurrentMark,
            Qt::QueuedConnection);
}

QString WindowAccessibility::markDescription(const CorrectionItem *mark)
{
    if (!mark)
        return QString();
    const QStringList candidates = mark->candidateList();
    if (candidates.isEmpty())
        return tr("Flagged: \"%1\".").arg(mark->flaggedText());
    return tr("Flagged: \"%1\". Suggestion: %2.").arg(mark->flaggedText(), candidates.first());
}

void WindowAccessibility::followCurrentMark()
{
    const CorrectionItem *mark = m_window->currentMark();
    if (mark == m_announced)
        return;
    m_announced = mark;
    CustomTextEditor *editor = m_window->editor();
    editor->setAccessibleDescription(mark ? markDescription(mark) : m_editorDescription);
    // setAccessibleDescription() tells nobody by itself.
    QAccessibleEvent changed(editor, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}
