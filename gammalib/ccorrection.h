#ifndef CCORRECTION_H
#define CCORRECTION_H

#include "ccandidate.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One flagged span of a sentence with its candidates.
struct CCorrection
{
    qint32 loc = 0;                 // the service's location value, carried along
    qint32 start = 0;               // first character, from the sentence start
    qint32 end = 0;                 // one past the last character
    QByteArray errorInfo;           // UTF-8
    QByteArray errorType;           // error type word, see ErrorType
    QList<CCandidate> candidates;
    QList<QByteArray> featureKeys;
    QString explanation;            // filled once the explanation was fetched
    QByteArray explainType;
    qint32 errorTypeCode = 0;       // ErrorType of errorType

    // Query part of the explanation address for this correction, appended
    // to the explanation base address.
    QByteArray explanationQuery() const;

    bool operator==(const CCorrection &other) const;
    bool operator!=(const CCorrection &other) const { return !(*this == other); }
};

#endif
