#ifndef EDITORFIXTURE_H
#define EDITORFIXTURE_H

#include "ccorrection.h"
#include "errortype.h"

#include <QList>
#include <QPair>
#include <QString>

// Builds correction records as the checking service sends them.
inline CCorrection makeCorrection(int start, int end, const QByteArray &type,
                                  const QList<QPair<QByteArray, QByteArray>> &candidates)
{
    CCorrection c;
    c.start = start;
    c.end = end;
    c.errorType = type;
    c.errorTypeCode = errorTypeOf(type);
    for (const auto &pair : candidates) {
        CCandidate candidate;
        candidate.correction = pair.first;
        candidate.candidateType = pair.second;
        c.candidates.append(candidate);
    }
    return c;
}

#endif
