#ifndef REPORT_H
#define REPORT_H

#include "cresultstate.h"

#include <QList>
#include <QMap>
#include <QString>

class DocumentChunks;

// What a check found, printed for people or as JSON.
struct CheckReport
{
    QMap<int, CResultState> results;   // by chunk index
    double lexicalScore = -1.0;
    double syntaxScore = -1.0;
    QList<int> levelCounts;            // six, lowest level first
    int firstLevel = 6;                // level code of levelCounts[0]
    int words = 0;

    QString text(const DocumentChunks &document) const;
    QByteArray json(const DocumentChunks &document) const;
};

// "A1" .. "C2", "BASE" .. "GRE".
QString levelName(int level);
QString errorTypeName(int code);

#endif
