#include "customtexteditor.h"

#include "chunkentry.h"
#include "chunkplan.h"
#include "clickablelabel.h"
#include "correctionitem.h"
#include "preferences.h"
#include "sampleprompt.h"
#include "sentencesplitter.h"
#include "eventlog.h"

#include <QAbstractTextDocumentLayout>
#include <climits>
#include <QApplication>
#include <QMimeData>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

// The font comes from EditorZoom (the system font at the chosen size) and
// the colours from the palette, so a dark desktop theme gives a dark editor.
static const char *const kEditorStyle =
    "QWidget{color:%1; padding:10px 20px 10px 20px;"
    "background-color:palette(base);}";

CustomTextEditor::CustomTextEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto *prompt = new SamplePrompt(this);
    prompt->move(20, 10);
    prompt->setStyleSheet(QStringLiteral("padding:0px 0px 0px 0px;"));
    prompt->hide();
    m_samplePrompt = prompt;
    connect(prompt, &QAbstractButton::clicked, this, &CustomTextEditor::slotSampleBtnClicked);
    prompt->installEventFilter(this);
    setAcceptRichText(false);
    setAcceptDrops(false);
    // Tab and Shift+Tab move the keyboard focus on, as in every other field;
    // the editor never inserts a tab of its own.
    setTabChangesFocus(true);
    connect(this, &QTextEdit::textChanged, this, &CustomTextEditor::slotTextChanged);
    // Labels follow their marks when text moves: typing, paste, undo, or a
    // new line break after a change of width.
    connect(document(), &QTextDocument::contentsChanged, this, &CustomTextEditor::scheduleLabelRepositioning);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &CustomTextEditor::scheduleLabelRepositioning);
    setStyleSheet(QString::fromLatin1(kEditorStyle).arg(CorrectionItem::colourName(CorrectionItem::PlainColour)));
    setAccessibleName(tr("Text"));
    setAccessibleDescription(tr("The text to review. After a review, each flagged word has a "
                                "suggestion under it."));
}

QWidget *CustomTextEditor::samplePrompt() const
{
    return m_samplePrompt;
}

int CustomTextEditor::englishLevel() const
{
    return Preferences().englishLevel();
}

// Paste ----------------------------------------------------------------------

bool CustomTextEditor::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

void CustomTextEditor::insertFromMimeData(const QMimeData *source)
{
    // The main window inserts the plain text, retiring marks as needed.
    if (source->hasText())
        emit signalOnPaste(source->text());
}

// Mouse, focus and geometry --------------------------------------------------

void CustomTextEditor::contextMenuEvent(QContextMenuEvent *e)
{
    emit signalContextMenu(e);
}

void CustomTextEditor::mousePressEvent(QMouseEvent *e)
{
    if (e->button() == Qt::RightButton) {
        QTextCursor current = textCursor();
        const int position = cursorForPosition(e->position().toPoint()).position();
        const bool insideSelection = current.hasSelection() && current.selectionStart() <= position
                                     && position <= current.selectionEnd();
        if (!insideSelection) {
            current.setPosition(position);
            setTextCursor(current);
        }
    }
    QTextEdit::mousePressEvent(e);
}

void CustomTextEditor::focusInEvent(QFocusEvent *e)
{
    m_samplePrompt->hide();
    QTextEdit::focusInEvent(e);
    emit signalShowDict(false);
}

void CustomTextEditor::focusOutEvent(QFocusEvent *e)
{
    QTextEdit::focusOutEvent(e);
    m_samplePrompt->setVisible(!m_sampleText.isEmpty() && toPlainText().isEmpty()
                               && QApplication::focusWidget() != nullptr);
}

bool CustomTextEditor::eventFilter(QObject *watched, QEvent *event)
{
    // The prompt takes the focus when the sample text arrives, which may be
    // while the user has started to type. A typed character goes into the
    // text, and the editor takes the focus for the rest; Space and Return
    // stay with the prompt and accept the sample.
    if (watched == m_samplePrompt && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (!command && !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace()) {
            setFocus(Qt::OtherFocusReason);
            keyPressEvent(key);
            return true;
        }
    }
    return QTextEdit::eventFilter(watched, event);
}

void CustomTextEditor::slotTextChanged()
{
    m_samplePrompt->setVisible(!m_sampleText.isEmpty() && document()->isEmpty() && !hasFocus());
}

void CustomTextEditor::resizeEvent(QResizeEvent *e)
{
    QTextEdit::resizeEvent(e);
    repositionLabels();
}

void CustomTextEditor::changeEvent(QEvent *e)
{
    QTextEdit::changeEvent(e);
    if (e->type() != QEvent::FontChange)
        return;
    // A new text size: the labels take the editor's font, and the room under
    // the lines grows or shrinks with them.
    const QList<ClickableLabel *> labels = findChildren<ClickableLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (ClickableLabel *label : labels)
        label->setBaseFont(font());
    if (hasLineSpacing()
        && document()->firstBlock().blockFormat().lineHeight() != lineDistance())
        applyLineSpacing();
    scheduleLabelRepositioning();
}

void CustomTextEditor::scrollContentsBy(int dx, int dy)
{
    QTextEdit::scrollContentsBy(dx, dy);
    repositionLabels();
}

// Text -------------------------------------------------------------------------

void CustomTextEditor::slotSampleBtnClicked()
{
    EventLog::log(QStringLiteral("QL_Main_Sample"));
    setDocumentText(m_sampleText);
    setFocus();
    moveCursor(QTextCursor::End);
}

void CustomTextEditor::setDocumentText(const QString &text)
{
    // New text carries no labels yet: normal spacing until a review shows some.
    setPlainText(text);
    removeLineSpacing();
    resetUndo();
}

void CustomTextEditor::setSampleText(const QString &text)
{
    m_sampleText = text;
    static_cast<SamplePrompt *>(m_samplePrompt)->setSampleText(text);
    if (toPlainText().isEmpty()) {
        m_samplePrompt->show();
        m_samplePrompt->setFocus();
    }
}

bool CustomTextEditor::hasText() const
{
    // Runs on every change (each painted mark is one): look at blocks until one
    // holds a visible character instead of copying the whole document.
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (const QChar c : text)
            if (!c.isSpace())
                return true;
    }
    return false;
}

bool CustomTextEditor::isAllSelected() const
{
    const QTextCursor cursor = textCursor();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    return cursor.selectionStart() == 0 && cursor.selectionEnd() >= end.position();
}

void CustomTextEditor::resetUndo()
{
    setUndoRedoEnabled(false);
    setUndoRedoEnabled(true);
}

void CustomTextEditor::applyLineSpacing()
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextBlockFormat format;
    format.setLineHeight(lineDistance(), QTextBlockFormat::LineDistanceHeight);
    cursor.setBlockFormat(format);
}

void CustomTextEditor::removeLineSpacing()
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    QTextBlockFormat format;
    format.setLineHeight(0, QTextBlockFormat::SingleHeight);
    cursor.setBlockFormat(format);
}

int CustomTextEditor::labelOffset() const
{
    // 15 pixels under a line of the usual size, more under larger text.
    return qMax(15, (15 * QFontMetrics(font()).height() + 8) / 16);
}

int CustomTextEditor::lineDistance() const
{
    // Room for a label of the editor's font under each line.
    return qMax(int(LineDistance), labelOffset() + ClickableLabel::heightFor(font()) - 2);
}

bool CustomTextEditor::hasLineSpacing() const
{
    // Spacing is set for the whole document at once; new paragraphs inherit it.
    return document()->firstBlock().blockFormat().lineHeightType() == QTextBlockFormat::LineDistanceHeight;
}

void CustomTextEditor::setLineSpacing(bool forLabels)
{
    if (forLabels == hasLineSpacing())
        return;
    if (forLabels)
        applyLineSpacing();
    else
        removeLineSpacing();
}

void CustomTextEditor::replaceSelection(QTextCursor &cursor, const QString &text)
{
    const int start = cursor.selectionStart();
    const int length = cursor.selectionEnd() - start;
    QTextCursor insert(document());
    insert.setPosition(cursor.selectionEnd());
    insert.insertText(text);
    QTextCursor remove(document());
    remove.setPosition(start);
    remove.setPosition(start + length, QTextCursor::KeepAnchor);
    remove.removeSelectedText();
}

// Marks and labels ---------------------------------------------------------------

void CustomTextEditor::selectMark(CorrectionItem *mark)
{
    if (!mark)
        return;
    QTextCursor cursor = textCursor();
    cursor.setPosition(mark->start());
    setTextCursor(cursor);
    setFocus();
}

CorrectionItem *CustomTextEditor::markAt(int position) const
{
    if (!m_chunkList)
        return nullptr;
    const int count = m_chunkList->size();
    for (int i = 0; i < count; ++i) {
        if (i + 1 < count && position >= m_chunkList->at(i + 1)->span().selectionStart())
            continue;
        for (CorrectionItem *mark : m_chunkList->at(i)->marks()) {
            if (mark->start() <= position && position <= mark->end())
                return mark;
        }
        return nullptr;
    }
    return nullptr;
}

CorrectionItem *CustomTextEditor::markSpanning(int start, int end) const
{
    if (!m_chunkList)
        return nullptr;
    for (ChunkEntry *entry : std::as_const(*m_chunkList)) {
        for (CorrectionItem *mark : entry->marks()) {
            if (mark->start() == start && mark->end() == end)
                return mark;
        }
    }
    return nullptr;
}

void CustomTextEditor::ensureLabelVisible(CorrectionItem *mark)
{
    if (!mark || !mark->label())
        return;
    const QPoint topLeft = mark->label()->mapTo(this, QPoint(0, 0));
    const int labelHeight = mark->label()->height();
    if (topLeft.y() + labelHeight > height()) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + labelHeight);
    }
}

void CustomTextEditor::repositionLabels()
{
    if (!m_chunkList)
        return;
    // Each label goes under the start of its mark. On one line a label keeps
    // a gap after the one before it, so neighbours do not run together, and
    // a label near the right edge moves left to be read whole.
    constexpr int Gap = 6;
    const int rightEdge = width() - Gap;
    int rowTop = INT_MIN;
    int rowEnd = INT_MIN;
    for (ChunkEntry *entry : std::as_const(*m_chunkList)) {
        for (CorrectionItem *mark : entry->marks()) {
            ClickableLabel *label = mark->label();
            if (!label || label->isHidden())
                continue;
            QTextCursor at(document());
            at.setPosition(mark->start());
            const QRect rect = cursorRect(at);
            QPoint place(rect.left() + 14, rect.bottom() + labelOffset());
            const bool sameRow = place.y() == rowTop;
            const int after = sameRow ? rowEnd + Gap : 0;
            place.setX(qMax(place.x(), after));
            const int wide = label->fullWidth();
            if (place.x() + wide > rightEdge)
                place.setX(qMax(after, rightEdge - wide));
            label->move(place);
            rowTop = place.y();
            rowEnd = place.x() + wide;
        }
    }
}

void CustomTextEditor::scheduleLabelRepositioning()
{
    if (m_repositionPending || !m_chunkList)
        return;
    m_repositionPending = true;
    QMetaObject::invokeMethod(this, [this] {
        m_repositionPending = false;
        repositionLabels();
    }, Qt::QueuedConnection);
}

void CustomTextEditor::createLabel(CorrectionItem *mark)
{
    auto *label = new ClickableLabel(mark, mark->labelText(), this);
    label->setBaseFont(font());
    label->hide();
    mark->setLabel(label);
}

// Segmentation -------------------------------------------------------------------

void CustomTextEditor::collectParagraphs(QList<ChunkEntry *> *chunkList, QList<int> &positions,
                                         QStringList &paragraphs, QList<bool> &titleFlags)
{
    m_chunkList = chunkList;
    moveCursor(QTextCursor::Start);
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        if (text.trimmed().isEmpty())
            continue;
        positions.append(block.position());
        paragraphs.append(text);
        titleFlags.append(!GammaLib::containsSentenceMark(text));
    }
}

void CustomTextEditor::buildChunks(const QList<int> &positions, const QList<QList<int>> &endLists)
{
    if (!m_chunkList)
        return;
    const int level = englishLevel();
    for (const GammaLib::PlannedChunk &planned : GammaLib::planChunks(positions, endLists)) {
        QTextCursor span(document());
        span.setPosition(planned.start);
        span.setPosition(planned.end, QTextCursor::KeepAnchor);
        m_chunkList->append(new ChunkEntry(GammaLib::makeChunk(planned.title, level).release(), span));
    }
}
