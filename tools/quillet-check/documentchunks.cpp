#include "documentchunks.h"

#include "chunkplan.h"
#include "textchunk.h"

DocumentChunks::DocumentChunks(const QString &text, int englishLevel)
{
    for (const GammaLib::PlannedChunk &planned : GammaLib::planPlainText(text)) {
        m_chunks.push_back(GammaLib::makeChunk(planned.title, englishLevel));
        m_texts.append(text.mid(planned.start, planned.length()));
        m_offsets.append(planned.start);
    }
}

DocumentChunks::~DocumentChunks() = default;

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
