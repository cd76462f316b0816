#include "markundoitem.h"

#include "correctionitem.h"

MarkUndoItem::MarkUndoItem(const CorrectionItem &mark, Restore restore, Retire retire)
    : m_owner(mark.owner())
    , m_correction(mark.correctionRecord())
    , m_start(mark.start())
    , m_end(mark.end())
    , m_restore(std::move(restore))
    , m_retire(std::move(retire))
{
}

void MarkUndoItem::undo()
{
    m_restored = m_restore ? m_restore(m_owner, m_correction, m_start, m_end) : nullptr;
}

void MarkUndoItem::redo()
{
    if (m_restored && m_retire)
        m_retire(m_restored);
    m_restored = nullptr;
}
