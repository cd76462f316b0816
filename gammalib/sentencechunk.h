#ifndef SENTENCECHUNK_H
#define SENTENCECHUNK_H

#include "textchunk.h"

namespace GammaLib {

// One sentence of a running-text paragraph.
class SentenceChunk : public TextChunk
{
public:
    SentenceChunk();

    void getConfigs(QList<QByteArray> &configs) const override;
};

} // namespace GammaLib

#endif // SENTENCECHUNK_H
