#include "ccorrection.h"

#include "errortype.h"

bool CCorrection::operator==(const CCorrection &other) const
{
    return loc == other.loc && start == other.start && end == other.end
        && errorInfo == other.errorInfo && errorType == other.errorType
        && candidates == other.candidates && featureKeys == other.featureKeys
        && explanation == other.explanation && explainType == other.explainType
        && errorTypeCode == other.errorTypeCode;
}
