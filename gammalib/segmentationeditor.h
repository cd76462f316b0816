#ifndef SEGMENTATIONEDITOR_H
#define SEGMENTATIONEDITOR_H

#include <QList>
#include <QStringList>

class ChunkEntry;

namespace GammaLib {

// The editor's side of segmentation, as the sentence detection thread sees
// it. The text editor implements it; both calls run on the main thread.
class SegmentationEditor
{
public:
    virtual ~SegmentationEditor() = default;

    // Keeps the chunk list for buildChunks() and appends, for every non-blank
    // paragraph in document order, its start position in the document, its
    // text and whether it is a title (no sentence mark).
    virtual void collectParagraphs(QList<ChunkEntry *> *chunkList, QList<int> &positions,
                                   QStringList &paragraphs, QList<bool> &titleFlags) = 0;

    // Builds the chunks from the paragraph positions and, per paragraph, the
    // sentence ends, or -1 and the length for a title.
    virtual void buildChunks(const QList<int> &positions, const QList<QList<int>> &endLists) = 0;
};

} // namespace GammaLib

#endif // SEGMENTATIONEDITOR_H
