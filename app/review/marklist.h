#ifndef MARKLIST_H
#define MARKLIST_H

#include "ccorrection.h"
#include "correctionitem.h"
#include "menuitemtype.h"

#include <QHash>
#include <QList>
#include <QObject>

#include <functional>

class ChunkEntry;
class CustomTextEditor;
class QKeyEvent;

namespace GammaLib {
class UserInformation;
}

// The marks a review leaves in the editor: the hidden marks made from the
// results while the review runs, the live marks (in document order) once it
// has ended, the current mark under the cursor, the counts per category, and
// everything that retires marks: corrections from the label, panel and menu,
// apply-all, and edits over flagged text. A retired mark stays in the
// document's undo history, so undoing the edit brings it back.
class MarkList : public QObject
{
    Q_OBJECT

public:
    // chunks: the chunk entries of the review (they own the marks); usage:
    // the glossary and the correction records.
    MarkList(CustomTextEditor *editor, const QList<ChunkEntry *> *chunks, GammaLib::UserInformation *usage,
             QObject *parent = nullptr);

    const QList<CorrectionItem *> &liveMarks() const { return m_liveMarks; }
    CorrectionItem *currentMark() const { return m_currentMark; }
    // Marks per report category (ReportFigures) of the review.
    const QHash<int, int> &categories() const { return m_categories; }
    int found() const { return m_found; }
    int left() const { return m_left; }

    // While the review runs: the corrections of one chunk become hidden marks,
    // except suggestions, enrichment when it is off and glossary words.
    void addResult(ChunkEntry *entry, const QList<CCorrection> &corrections);
    // The review has ended: every mark of every chunk, in order, becomes live
    // and visible, and the first one current.
    void showReviewMarks();
    // Forgets the marks (the chunks, which own them, are deleted apart).
    void clear();

    // The current mark follows the editor's cursor or selection.
    void followCursor();
    void setCurrentMark(CorrectionItem *mark);
    // A correction of a live mark: apply a candidate, ignore, or add the word
    // to the glossary (retiring every live mark of the same word and kind);
    // one undo step. With "go to next" the current mark's successor is
    // selected afterwards.
    void correct(CorrectionItem *item, MenuItemType type, int index, const QString &correctionList);
    // Applies the first candidate of every live mark, in one undo step;
    // between runs after each mark.
    void applyAll(const std::function<void()> &between);
    // Before an edit that may change flagged text: the current mark, or else
    // every live mark touching the selection, is retired in its own undo step.
    void retireForEdit();
    // Whether a key press in the editor is such an edit: Cut of a selection,
    // a character typed with no modifier or Shift alone, Delete, Backspace,
    // Enter and Return (Tab moves the focus on and leaves the text alone).
    static bool changesText(const QKeyEvent *key, bool hasSelection);

signals:
    void currentMarkChanged(CorrectionItem *mark);
    // Whether live marks remain, after every change of the live list.
    void liveMarksChanged(bool any);

private:
    void updateForLiveMarks();
    // Retires a mark; with record, the open edit step of the document keeps
    // it so that undoing the step brings it back.
    void retireMark(CorrectionItem *mark, bool record = true);
    // Adds the mark's retirement to the open edit step of the document.
    void recordRetirement(CorrectionItem *mark);
    // Undo of an edit step: a live mark again over [start, end] of owner.
    CorrectionItem *restoreMark(ChunkEntry *owner, const CCorrection &correction, int start, int end);

    CustomTextEditor *m_editor;
    const QList<ChunkEntry *> *m_chunks;
    GammaLib::UserInformation *m_usage;
    QList<CorrectionItem *> m_liveMarks;
    CorrectionItem *m_currentMark = nullptr;
    // Undo and redo are bringing marks back or retiring them again.
    bool m_replayingUndo = false;
    QHash<int, int> m_categories;
    int m_found = 0;
    int m_left = 0;
};

#endif
