#ifndef CHUNKENTRY_H
#define CHUNKENTRY_H

#include <QList>
#include <QTextCursor>
#include <memory>

namespace GammaLib {
class TextChunk;
}
class CCorrection;
class CorrectionItem;

// One chunk of the document (a title or a sentence) with its span in the
// editor and its marks in document order. Owns the chunk and the marks.
class ChunkEntry
{
public:
    ChunkEntry(GammaLib::TextChunk *chunk, const QTextCursor &span);
    ~ChunkEntry();
    ChunkEntry(const ChunkEntry &) = delete;
    ChunkEntry &operator=(const ChunkEntry &) = delete;

    GammaLib::TextChunk *chunk() const { return m_chunk.get(); }
    // Deletes the present chunk.
    void replaceChunk(GammaLib::TextChunk *chunk);

    const QTextCursor &span() const { return m_span; }
    // The text of the chunk as the editor selects it now.
    QString text() const;

    const QList<CorrectionItem *> &marks() const { return m_marks; }
    // Makes a mark for the correction's span (offsets from the chunk start);
    // none when the span does not lie within the chunk.
    CorrectionItem *makeMark(const CCorrection &correction);
    // Adds a mark in document order: appended when it starts at or after the
    // last mark, otherwise before the first mark that starts after it.
    void insertMark(CorrectionItem *mark);
    // Destroys the mark (and its label) and drops it from the list.
    void removeMark(CorrectionItem *mark);

private:
    std::unique_ptr<GammaLib::TextChunk> m_chunk;
    QTextCursor m_span;
    QList<CorrectionItem *> m_marks;
};

#endif
