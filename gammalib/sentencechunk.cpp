#include "sentencechunk.h"

namespace GammaLib {

SentenceChunk::SentenceChunk()
    : TextChunk(0)
{
}

void SentenceChunk::getConfigs(QList<QByteArray> &configs) const
{
    configs << "server.style" << "4"
            << "server.spell" << "2"
            << "server.mor" << "1"
            << "server.dependency" << "0"
            << "server.grammar" << "6"
            << "server.rule" << "7"
            << "server.real" << "3"
            << "server.det" << "5"
            << "server.poststyle" << "9"
            << "server.confidence" << confidenceValue();
}

} // namespace GammaLib
