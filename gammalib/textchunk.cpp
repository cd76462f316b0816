#include "textchunk.h"

namespace GammaLib {

TextChunk::TextChunk(int configType)
    : m_configType(configType)
{
}

TextChunk::~TextChunk() = default;

bool TextChunk::sameConfigs(const TextChunk &other) const
{
    QList<QByteArray> theirs;
    other.getConfigs(theirs);
    QList<QByteArray> ours;
    getConfigs(ours);
    if (theirs.size() != ours.size())
        return false;
    for (qsizetype i = 0; i < ours.size(); ++i) {
        if (ours.at(i) != theirs.at(i))
            return false;
    }
    return true;
}

QByteArray TextChunk::confidenceValue() const
{
    return QByteArray::number(m_confidence);
}

} // namespace GammaLib
