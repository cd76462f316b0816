#include "ccandidate.h"

#include "errortype.h"

int CCandidate::editTypeCode()
{
    if (editType == 0)
        editType = editTypeOf(candidateType);
    return editType;
}

bool CCandidate::operator==(const CCandidate &other) const
{
    return editType == other.editType && correction == other.correction
        && candidateType == other.candidateType && score == other.score
        && originalScore == other.originalScore;
}
