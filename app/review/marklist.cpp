#include "marklist.h"

#include "chunkentry.h"
#include "clickablelabel.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "errortype.h"
#include "markundoitem.h"
#include "preferences.h"
#include "reportfigures.h"
#include "usercorrectionrecord.h"
#include "userinformation.h"

#include <QKeyEvent>

MarkList::MarkList(CustomTextEditor *editor, const QList<ChunkEntry *> *chunks, GammaLib::UserInformation *usage,
                   QObject *parent)
    : QObject(parent)
    , m_editor(editor)
    , m_chunks(chunks)
    , m_usage(usage)
{
}

void MarkList::addResult(ChunkEntry *entry, const QList<CCorrection> &corrections)
{
    const bool enrichment = Preferences().enrichmentEnabled();
    for (const CCorrection &correction : corrections) {
        if (correction.errorTypeCode == SUGGESTION)
            continue;
        if (correction.errorTypeCode == IMPROVE && !enrichment)
            continue;
        CorrectionItem *mark = entry->makeMark(correction);
        if (!mark)
            continue;
        if (mark->canAddToGlossary() && m_usage->IsInGlossary(mark->flaggedText())) {
            delete mark;
            continue;
        }
        ReportFigures::countCategory(m_categories, mark->markErrorType());
        entry->insertMark(mark);
        m_editor->createLabel(mark);
        mark->paintMark();
    }
}

void MarkList::showReviewMarks()
{
    for (ChunkEntry *entry : std::as_const(*m_chunks)) {
        for (CorrectionItem *mark : entry->marks()) {
            m_liveMarks.append(mark);
            if (mark->label())
                mark->label()->show();
        }
    }
    updateForLiveMarks();
    m_editor->repositionLabels();
    if (!m_liveMarks.isEmpty()) {
        m_found = m_left = int(m_liveMarks.size());
        m_editor->selectMark(m_liveMarks.first());
        followCursor();
    }
}

void MarkList::clear()
{
    m_categories.clear();
    m_found = m_left = 0;
    m_currentMark = nullptr;
    m_liveMarks.clear();
}

void MarkList::updateForLiveMarks()
{
    m_editor->setLineSpacing(!m_liveMarks.isEmpty());
    emit liveMarksChanged(!m_liveMarks.isEmpty());
}

void MarkList::setCurrentMark(CorrectionItem *mark)
{
    if (mark == m_currentMark)
        return;
    if (m_currentMark && m_currentMark->label())
        m_currentMark->label()->setSelected(false);
    m_currentMark = mark;
    if (mark) {
        if (mark->label())
            mark->label()->setSelected(true);
        m_editor->ensureLabelVisible(mark);
    } else {
        m_editor->ensureLabelVisible(nullptr);
    }
    emit currentMarkChanged(mark);
}

void MarkList::followCursor()
{
    if (m_liveMarks.isEmpty())
        return;
    const QTextCursor cursor = m_editor->textCursor();
    if (cursor.hasSelection())
        setCurrentMark(m_editor->markSpanning(cursor.selectionStart(), cursor.selectionEnd()));
    else
        setCurrentMark(m_editor->markAt(cursor.position()));
}

void MarkList::recordRetirement(CorrectionItem *mark)
{
    if (!m_replayingUndo && m_editor->isUndoRedoEnabled()) {
        m_editor->document()->appendUndoItem(new MarkUndoItem(
            *mark,
            [this](ChunkEntry *owner, const CCorrection &correction, int start, int end) {
                return restoreMark(owner, correction, start, end);
            },
            [this](CorrectionItem *restored) {
                if (!m_liveMarks.contains(restored))
                    return;
                m_replayingUndo = true;
                retireMark(restored, false);
                updateForLiveMarks();
                m_replayingUndo = false;
            }));
    }
}

void MarkList::retireMark(CorrectionItem *mark, bool record)
{
    if (record)
        recordRetirement(mark);
    mark->paintPlain();
    const bool wasCurrent = m_currentMark == mark;
    if (wasCurrent)
        m_currentMark = nullptr;
    m_liveMarks.removeOne(mark);
    if (m_left > 0)
        --m_left;
    // Whoever shows the current mark lets go of it before it is destroyed.
    if (wasCurrent)
        emit currentMarkChanged(nullptr);
    mark->owner()->removeMark(mark); // destroys the mark and its label
    setCurrentMark(nullptr);
    m_editor->ensureLabelVisible(nullptr);
}

CorrectionItem *MarkList::restoreMark(ChunkEntry *owner, const CCorrection &correction, int start, int end)
{
    // The chunks live until the review is discarded, and discarding empties
    // the undo history, so the owner is still there.
    if (!m_chunks->contains(owner))
        return nullptr;
    const int last = m_editor->document()->characterCount() - 1;
    if (start < 0 || end < start || end > last)
        return nullptr;
    m_replayingUndo = true;
    QTextCursor span(m_editor->document());
    span.setPosition(start);
    span.setPosition(end, QTextCursor::KeepAnchor);
    auto *mark = new CorrectionItem(span, correction, owner);
    owner->insertMark(mark);
    m_editor->createLabel(mark);
    mark->paintMark();
    int at = 0;
    while (at < m_liveMarks.size() && m_liveMarks.at(at)->start() <= start)
        ++at;
    m_liveMarks.insert(at, mark);
    ++m_left;
    updateForLiveMarks();
    if (mark->label())
        mark->label()->show();
    m_editor->scheduleLabelRepositioning();
    m_replayingUndo = false;
    return mark;
}

void MarkList::correct(CorrectionItem *item, MenuItemType type, int index, const QString &correctionList)
{
    if (!item || !m_liveMarks.contains(item))
        return;

    GammaLib::UserCorrectionRecord record;
    record.sentence = item->owner()->text();
    record.word = item->flaggedText();
    record.wordIdx = item->start() - item->owner()->span().selectionStart();
    record.wordLength = int(item->flaggedText().size());
    record.correctionList = correctionList;
    record.choose = type == ApplyCandidate ? index : -1;
    record.type = item->markErrorType();
    m_usage->AddCorrectionRecord(record);

    CorrectionItem *next = nullptr;
    if (item == m_currentMark && Preferences().gotoNext() && m_liveMarks.size() >= 2) {
        const int at = int(m_liveMarks.indexOf(item));
        next = m_liveMarks.at((at + 1) % m_liveMarks.size());
    }

    // One undo step: the text change and the marks it retires.
    QTextCursor step(m_editor->document());
    step.beginEditBlock();
    const int start = item->start();
    if (type == AddToGlossary) {
        const QString word = item->flaggedText();
        const int kind = item->markErrorType();
        m_usage->AddUserWord(word);
        const QList<CorrectionItem *> marks = m_liveMarks;
        for (CorrectionItem *mark : marks) {
            if (mark->markErrorType() == kind && mark->flaggedText() == word) {
                if (mark == next)
                    next = nullptr;
                retireMark(mark);
            }
        }
    } else {
        // Recorded before the text changes, so undo restores it last.
        recordRetirement(item);
        if (type == ApplyCandidate)
            item->apply(index);
        retireMark(item, false);
    }
    updateForLiveMarks();
    step.endEditBlock();
    if (next) {
        m_editor->selectMark(next);
    } else {
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(qMin(start, m_editor->document()->characterCount() - 1));
        m_editor->setTextCursor(cursor);
    }
    m_editor->repositionLabels();
}

void MarkList::applyAll(const std::function<void()> &between)
{
    // The whole batch is one undo step that brings every mark back.
    QTextCursor step(m_editor->document());
    step.beginEditBlock();
    const QList<CorrectionItem *> marks = m_liveMarks;
    for (CorrectionItem *mark : marks) {
        if (!m_liveMarks.contains(mark))
            continue;
        recordRetirement(mark);
        mark->apply(0);
        retireMark(mark, false);
        between();
    }
    updateForLiveMarks();
    step.endEditBlock();
}

void MarkList::retireForEdit()
{
    if (m_liveMarks.isEmpty())
        return;
    // Its own undo step, ahead of the edit: undoing the edit and then this
    // step brings the marks back.
    QTextCursor step(m_editor->document());
    step.beginEditBlock();
    if (m_currentMark) {
        retireMark(m_currentMark);
    } else {
        const QTextCursor cursor = m_editor->textCursor();
        const int from = cursor.selectionStart();
        const int to = cursor.selectionEnd();
        const QList<CorrectionItem *> marks = m_liveMarks;
        for (CorrectionItem *mark : marks) {
            if (mark->end() >= from && mark->start() <= to)
                retireMark(mark);
        }
    }
    updateForLiveMarks();
    step.endEditBlock();
}

bool MarkList::changesText(const QKeyEvent *key, bool hasSelection)
{
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    const int code = key->key();
    const bool cut = key->matches(QKeySequence::Cut) && hasSelection;
    const bool typing = code >= 32 && code <= 255 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier);
    const bool editing = code == Qt::Key_Delete || code == Qt::Key_Backspace || code == Qt::Key_Enter
                         || code == Qt::Key_Return;
    return cut || typing || editing;
}
