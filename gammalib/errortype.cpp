#include "errortype.h"

int errorTypeOf(const QByteArray &word)
{
    if (word == "REAL")
        return REAL;
    if (word == "GRAMMAR")
        return GRAMMAR;
    if (word == "STYLE")
        return STYLE;
    if (word == "MOPHOLOGY")
        return MOPHOLOGY;
    if (word == "NONWORD")
        return NONWORD;
    if (word == "SUGGESTION")
        return SUGGESTION;
    if (word == "IMPROVE")
        return IMPROVE;
    return OTHERERROR;
}

int editTypeOf(const QByteArray &word)
{
    if (word == "REPLACE")
        return REPLACE;
    if (word == "DELETION")
        return DELETION;
    if (word == "INSERTION")
        return INSERTION;
    return OTHEREDIT;
}
