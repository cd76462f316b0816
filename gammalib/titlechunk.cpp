#include "titlechunk.h"

namespace GammaLib {

TitleChunk::TitleChunk()
    : TextChunk(1)
{
}

void TitleChunk::getConfigs(QList<QByteArray> &configs) const
{
    configs << "server.mor" << "1"
            << "server.spell" << "2"
            << "server.style" << "4"
            << "server.dependency" << "0"
            << "server.grammar" << "0"
            << "server.rule" << "0"
            << "server.real" << "3"
            << "server.det" << "0"
            << "server.confidence" << confidenceValue();
}

} // namespace GammaLib
