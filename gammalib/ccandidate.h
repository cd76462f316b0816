#ifndef CCANDIDATE_H
#define CCANDIDATE_H

#include <QByteArray>
#include <QList>

// One suggested replacement for a flagged span.
struct CCandidate
{
    qint32 editType = 0;        // EditType of candidateType; 0 until first asked for
    QByteArray correction;      // the candidate text, UTF-8
    QByteArray candidateType;   // the edit word ("REPLACE", "DELETION", "INSERTION")
    double score = 0.0;
    double originalScore = 0.0;

    // The EditType code, computed from candidateType on first use and kept.
    int editTypeCode();

    bool operator==(const CCandidate &other) const;
    bool operator!=(const CCandidate &other) const { return !(*this == other); }
};

#endif
