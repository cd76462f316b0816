#ifndef DETECTSENTENCETHREAD_H
#define DETECTSENTENCETHREAD_H

#include "segmentationeditor.h"

#include <QList>
#include <QStringList>
#include <QThread>

namespace GammaLib {

// Splits every non-blank paragraph of the document into sentences and counts
// the document's words, off the main thread. The editor collects the
// paragraphs before the thread starts and builds the chunks from the result
// after finished(); one instance is reused for every review.
class DetectSentenceThread : public QThread
{
    Q_OBJECT

public:
    explicit DetectSentenceThread(SegmentationEditor *editor, QObject *parent = nullptr);
    ~DetectSentenceThread() override;

    // On the main thread: lets the editor collect the paragraphs (keeping
    // chunkList for makeChunks()) and starts the thread. Refused (false)
    // while a detection is still running.
    bool startDetection(QList<ChunkEntry *> *chunkList);
    // On the main thread after finished(): hands the paragraph positions and
    // the end lists to the editor's buildChunks().
    void makeChunks();
    // Words of all paragraphs together, after finished().
    int totalWords() const { return m_wordCount; }

    const QList<int> &positions() const { return m_positions; }
    const QStringList &paragraphs() const { return m_paragraphs; }
    const QList<bool> &titleFlags() const { return m_titleFlags; }
    // Per paragraph: the sentence ends, or -1 and the length for a title.
    const QList<QList<int>> &endLists() const { return m_endLists; }

protected:
    void run() override;

private:
    SegmentationEditor *m_editor;
    QList<int> m_positions;
    QStringList m_paragraphs;
    QList<bool> m_titleFlags;
    QList<QList<int>> m_endLists;
    int m_wordCount = 0;
};

} // namespace GammaLib

#endif // DETECTSENTENCETHREAD_H
