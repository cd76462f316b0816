#include "documentchunks.h"

#include "sentencechunk.h"
#include "sentencesplitter.h"
#include "titlechunk.h"

DocumentChunks::DocumentChunks(const QString &text, int englishLevel)
{
    int lineStart = 0;
    while (lineStart <= text.size()) {
        int lineEnd = int(text.indexOf(QLatin1Char('\n'), lineStart));
        if (lineEnd < 0)
            lineEnd = int(text.size());
        QString paragraph = text.mid(lineStart, lineEnd - lineStart);
        if (paragraph.endsWith(QLatin1Char('\r')))
            paragraph.chop(1);

        if (!paragraph.trimmed().isEmpty()) {
            if (!GammaLib::containsSentenceMark(paragraph)) {
                addChunk(std::make_unique<GammaLib::TitleChunk>(), paragraph, lineStart, englishLevel);
            } else {
                int start = 0;
                for (int end : GammaLib::splitSentences(paragraph)) {
                    addChunk(std::make_unique<GammaLib::SentenceChunk>(),
                             paragraph.mid(start, end - start + 1), lineStart + start, englishLevel);
                    start = end + 1;
                }
            }
        }
        lineStart = lineEnd + 1;
    }
}

DocumentChunks::~DocumentChunks() = default;

void DocumentChunks::addChunk(std::unique_ptr<GammaLib::TextChunk> chunk, const QString &text,
                              int offset, int level)
{
    chunk->setConfidence(level);
    m_chunks.push_back(std::move(chunk));
    m_texts.append(text);
    m_offsets.append(offset);
}

QList<GammaLib::TextChunk *> DocumentChunks::chunks() const
{
    QList<GammaLib::TextChunk *> list;
    for (const auto &chunk : m_chunks)
        list.append(chunk.get());
    return list;
}

bool DocumentChunks::isTitle(int index) const
{
    return index >= 0 && index < int(m_chunks.size()) && m_chunks.at(size_t(index))->configType() == 1;
}
