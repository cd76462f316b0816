#ifndef MARKUNDOITEM_H
#define MARKUNDOITEM_H

#include "ccorrection.h"

#include <QAbstractUndoItem>
#include <functional>

class ChunkEntry;
class CorrectionItem;

// A mark retired within an edit step, kept in the document's undo history.
// It is added to the step before the step changes the text, so undoing the
// step first puts the text back and then brings the mark back over its
// span; redoing retires the mark again before the text changes anew.
class MarkUndoItem : public QAbstractUndoItem
{
public:
    // Makes a live mark again for the span [start, end] of the owner.
    using Restore = std::function<CorrectionItem *(ChunkEntry *owner, const CCorrection &correction,
                                                   int start, int end)>;
    // Retires a live mark (nothing when the mark is no longer live).
    using Retire = std::function<void(CorrectionItem *mark)>;

    MarkUndoItem(const CorrectionItem &mark, Restore restore, Retire retire);

    void undo() override;
    void redo() override;

private:
    ChunkEntry *m_owner;
    CCorrection m_correction;
    int m_start;
    int m_end;
    CorrectionItem *m_restored = nullptr;
    Restore m_restore;
    Retire m_retire;
};

#endif
