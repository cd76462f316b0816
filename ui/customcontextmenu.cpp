#include "customcontextmenu.h"

#include "callbackobject.h"
#include "chunkentry.h"
#include "contextmenuresources.h"
#include "correctionitem.h"
#include "customaction.h"
#include "customtexteditor.h"
#include "eventlog.h"
#include "themecolours.h"

#include <QLabel>

namespace {

const char *const kMenuStyle =
    "QMenu{ \nfont:10pt \"Arial,Sans-serif\";\nbackground-color: #ffffff;\nborder:1px solid #6e6e6e; "
    "\ncolor:#666666; } \nQMenu::item{\npadding: 10px 20px;\nbackground-color: transparent;}\n"
    "QMenu::item:selected{ \nbackground-color: #1872d9;\ncolor: #ffffff;}\nQMenu::item:disabled { "
    "\ncolor: #9A9A9A;} \nQMenu::separator{\nheight:1px;\nmargin:1px;\nbackground-color:#e6e6e6;\n}\n";

const char *const kTipStyle =
    "QLabel\t\t\t\t\t { font:10pt \"Arial, Sans-serif\";\t\t\t\t\t border-image: "
    "url(:/MainWnd/Resources/tip_3.png);\t\t\t\t\t padding:2px;\t\t\t\t\t color:#be911e;\t\t\t\t\t "
    "border-width:5px;}";

} // namespace

CustomContextMenu::CustomContextMenu(CustomTextEditor *editor, CorrectionItem *mark)
    : QMenu(editor)
    , m_editor(editor)
    , m_mark(mark)
{
    ContextMenuResources::ensureLoaded();
    m_tipText = tr("This option may contain profanity. Please use with caution.");
    m_tipStyle = QString::fromLatin1(kTipStyle);
    setStyleSheet(ThemeColours::themed(styleSheetText()));
    if (m_mark)
        buildMarkActions();
    else
        buildEditActions();
    createTip();
}

CustomContextMenu::~CustomContextMenu()
{
    // The tip is a window of its own; it goes with the menu (it is its child).
    if (m_tip)
        m_tip->hide();
}

QString CustomContextMenu::styleSheetText()
{
    return QString::fromLatin1(kMenuStyle);
}

void CustomContextMenu::buildEditActions()
{
    const bool selection = m_editor && m_editor->textCursor().hasSelection();
    m_cut = addAction(tr("Cut"));
    m_cut->setEnabled(selection);
    connect(m_cut, &QAction::triggered, this, &CustomContextMenu::signalCut);

    m_copy = addAction(tr("Copy"));
    m_copy->setEnabled(selection);
    m_paste = addAction(tr("Paste"));
    m_paste->setEnabled(m_editor && m_editor->canPaste());
    if (m_editor) {
        connect(m_copy, &QAction::triggered, m_editor, &QTextEdit::copy);
        // Goes through the editor's paste path, which hands the text to the main window.
        connect(m_paste, &QAction::triggered, m_editor, &QTextEdit::paste);
    }
}

void CustomContextMenu::buildMarkActions()
{
    const QStringList candidates = m_mark->candidateList();
    for (int i = 0; i < candidates.size(); ++i) {
        auto *action = new CustomAction(i, candidates.at(i), this);
        connect(action, &CustomAction::signalClicked, this, &CustomContextMenu::slotCorrClicked);
        addAction(action);
        m_candidates.append(action);
    }
    // The menu draws no highlight under a row widget: a row that the
    // keyboard makes current looks hovered, as under the mouse.
    connect(this, &QMenu::hovered, this, [this](QAction *current) {
        for (CustomAction *row : std::as_const(m_candidates))
            row->setHovered(row == current);
    });
    addSeparator();
    m_ignore = addAction(tr("Ignore"));
    connect(m_ignore, &QAction::triggered, this, &CustomContextMenu::slotIgnor);
    if (m_mark->canAddToGlossary()) {
        m_append = addAction(tr("Add to Glossary"));
        connect(m_append, &QAction::triggered, this, &CustomContextMenu::slotAppend);
    }
}

void CustomContextMenu::createTip()
{
    // A tool tip window: top-level and frameless, and showing it neither
    // takes the focus nor closes the open menu.
    m_tip = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
    m_tip->setFocusPolicy(Qt::NoFocus);
    m_tip->setAttribute(Qt::WA_DeleteOnClose);
    m_tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_tip->setAttribute(Qt::WA_TranslucentBackground);
    m_tip->setAttribute(Qt::WA_ShowWithoutActivating);
    m_tip->setWordWrap(true);
    m_tip->setText(m_tipText);
    m_tip->setStyleSheet(m_tipStyle);
    // Tall enough for the text in every interface language.
    m_tip->resize(m_tipSize.width(), qMax(m_tipSize.height(), m_tip->heightForWidth(m_tipSize.width())));
    m_tip->hide();
}

bool CustomContextMenu::markIsListed() const
{
    if (!m_mark || !m_editor || !m_editor->chunkList())
        return false;
    for (ChunkEntry *entry : std::as_const(*m_editor->chunkList())) {
        if (entry->marks().contains(m_mark))
            return true;
    }
    return false;
}

void CustomContextMenu::handOver(const char *event, MenuItemType type, int index)
{
    if (!markIsListed())
        return;
    EventLog::log(QLatin1String(event));
    CorrectionItem *mark = m_mark;
    m_mark = nullptr; // the main window retires it now
    CallbackObject::instance().invokeCallback(mark, type, index);
}

void CustomContextMenu::slotCorrClicked(int index)
{
    handOver("QL_Main_ContextMenu_Correct", ApplyCandidate, index);
}

void CustomContextMenu::slotIgnor()
{
    handOver("QL_Main_ContextMenu_Ignore", IgnoreMark, 0);
}

void CustomContextMenu::slotAppend()
{
    handOver("QL_Main_ContextMenu_AppendedGLossary", AddToGlossary, 0);
}

void CustomContextMenu::slotShowTip()
{
    if (!m_tip)
        return;
    m_tip->move(30, 30);
    m_tip->show();
}

void CustomContextMenu::slotHideTip()
{
    if (m_tip)
        m_tip->hide();
}
