#ifndef TITLECHUNK_H
#define TITLECHUNK_H

#include "textchunk.h"

namespace GammaLib {

// A paragraph without any sentence mark, checked as one title line.
class TitleChunk : public TextChunk
{
public:
    TitleChunk();

    void getConfigs(QList<QByteArray> &configs) const override;
};

} // namespace GammaLib

#endif // TITLECHUNK_H
