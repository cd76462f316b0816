#include "ccorrection.h"

#include "errortype.h"
#include "urlescape.h"

QByteArray CCorrection::explanationQuery() const
{
    QByteArray query;
    if (errorTypeCode != IMPROVE) {
        query += "/?et=" + explainType;
        if (!candidates.isEmpty() && !candidates.first().candidateType.isEmpty())
            query += "&ct=" + candidates.first().candidateType;
        for (const QByteArray &key : featureKeys)
            query += "&fk=" + GammaLib::urlEscape(key);
    } else {
        QByteArray keys;
        for (qsizetype i = 0; i < featureKeys.size(); ++i) {
            if (i)
                keys += ',';
            keys += featureKeys.at(i);
        }
        query += "/?lexsub=" + keys;
        query += "&et=" + explainType;
        query += "&pos=" + errorInfo;
    }
    return query;
}

bool CCorrection::operator==(const CCorrection &other) const
{
    return loc == other.loc && start == other.start && end == other.end
        && errorInfo == other.errorInfo && errorType == other.errorType
        && candidates == other.candidates && featureKeys == other.featureKeys
        && explanation == other.explanation && explainType == other.explainType
        && errorTypeCode == other.errorTypeCode;
}
