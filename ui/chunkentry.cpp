#include "chunkentry.h"

#include "correctionitem.h"
#include "textchunk.h"

ChunkEntry::ChunkEntry(GammaLib::TextChunk *chunk, const QTextCursor &span)
    : m_chunk(chunk)
    , m_span(span)
{
}

ChunkEntry::~ChunkEntry()
{
    qDeleteAll(m_marks);
}

void ChunkEntry::replaceChunk(GammaLib::TextChunk *chunk)
{
    m_chunk.reset(chunk);
}

QString ChunkEntry::text() const
{
    // QTextCursor marks paragraph breaks inside a selection with U+2029.
    QString selected = m_span.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return selected;
}

CorrectionItem *ChunkEntry::makeMark(const CCorrection &correction)
{
    // A span outside the chunk (a damaged answer) would mark unrelated text.
    const int base = m_span.selectionStart();
    const int length = m_span.selectionEnd() - base;
    if (correction.start < 0 || correction.end < correction.start || correction.end > length)
        return nullptr;
    QTextCursor cursor(m_span.document());
    cursor.setPosition(base + correction.start);
    cursor.setPosition(base + correction.end, QTextCursor::KeepAnchor);
    return new CorrectionItem(cursor, correction, this);
}

void ChunkEntry::insertMark(CorrectionItem *mark)
{
    if (m_marks.isEmpty() || mark->start() >= m_marks.last()->start()) {
        m_marks.append(mark);
        return;
    }
    for (int i = 0; i < m_marks.size(); ++i) {
        if (m_marks.at(i)->start() > mark->start()) {
            m_marks.insert(i, mark);
            return;
        }
    }
    m_marks.append(mark);
}

void ChunkEntry::removeMark(CorrectionItem *mark)
{
    if (m_marks.removeOne(mark))
        delete mark;
}
