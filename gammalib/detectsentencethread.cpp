#include "detectsentencethread.h"

#include "chunkplan.h"
#include "sentencesplitter.h"
#include "wordcounter.h"

namespace GammaLib {

namespace {

bool isCWhitespace(QChar ch)
{
    switch (ch.unicode()) {
    case u' ': case u'\t': case u'\n': case u'\r': case u'\v': case u'\f':
        return true;
    default:
        return false;
    }
}

} // namespace

DetectSentenceThread::DetectSentenceThread(SegmentationEditor *editor, QObject *parent)
    : QThread(parent)
    , m_editor(editor)
{
    prepareSegmentation();
}

DetectSentenceThread::~DetectSentenceThread()
{
    wait();
}

bool DetectSentenceThread::startDetection(QList<ChunkEntry *> *chunkList)
{
    if (isRunning())
        return false;
    m_positions.clear();
    m_paragraphs.clear();
    m_titleFlags.clear();
    m_endLists.clear();
    m_wordCount = 0;
    if (m_editor)
        m_editor->collectParagraphs(chunkList, m_positions, m_paragraphs, m_titleFlags);
    start();
    return true;
}

void DetectSentenceThread::makeChunks()
{
    if (m_editor)
        m_editor->buildChunks(m_positions, m_endLists);
}

void DetectSentenceThread::run()
{
    const qsizetype count = qMin(m_paragraphs.size(), m_titleFlags.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString &paragraph = m_paragraphs.at(i);
        const QList<int> ends = paragraphEnds(paragraph, m_titleFlags.at(i));
        m_endLists.append(ends);
        if (m_titleFlags.at(i)) {
            m_wordCount += countWords(paragraph);
            continue;
        }
        int start = 0;
        for (const int end : ends) {
            // A whitespace character kept at the end of a sentence is not counted.
            const int stop = end < paragraph.size() && isCWhitespace(paragraph.at(end)) ? end : end + 1;
            m_wordCount += countWords(paragraph.mid(start, stop - start));
            start = end + 1;
        }
    }
}

} // namespace GammaLib
