#include "cresultstate.h"

bool CResultState::operator==(const CResultState &other) const
{
    return sentInd == other.sentInd && lexicalScore == other.lexicalScore
        && syntaxScore == other.syntaxScore && corrections == other.corrections;
}

void CResultState::registerMetaType()
{
    qRegisterMetaType<CResultState>("CResultState");
}
