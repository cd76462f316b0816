#ifndef CRESULTSTATE_H
#define CRESULTSTATE_H

#include "ccorrection.h"

#include <QList>
#include <QMetaType>

// The result of one sentence, or (sentInd < 0) the two scores of the whole
// document. Copied by value, also through queued signals between threads.
struct CResultState
{
    qint32 sentInd = 0;          // index into the request's sentences
    double lexicalScore = 0.0;   // document-level records only
    double syntaxScore = 0.0;    // document-level records only
    QList<CCorrection> corrections;

    bool isDocumentRecord() const { return sentInd < 0; }

    bool operator==(const CResultState &other) const;
    bool operator!=(const CResultState &other) const { return !(*this == other); }

    // Registers the type under the name "CResultState" for queued signals.
    static void registerMetaType();
};

Q_DECLARE_METATYPE(CResultState)

#endif
