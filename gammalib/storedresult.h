#ifndef STOREDRESULT_H
#define STOREDRESULT_H

#include "ccorrection.h"

#include <QList>
#include <QString>

#include <memory>

namespace GammaLib {
class TextChunk;
}

// One sentence checked before: its text, a chunk of the same kind and
// English level as the sentence's chunk had, and the corrections it got.
struct StoredResult
{
    QString text;
    std::shared_ptr<const GammaLib::TextChunk> chunk;
    QList<CCorrection> corrections;
};

#endif
