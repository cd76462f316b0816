#ifndef ERRORTYPE_H
#define ERRORTYPE_H

#include <QByteArray>

// Kind of a flagged span, coded from the service's error type word.
enum ErrorType {
    NONWORD = 1,     // misspelling
    REAL = 2,        // confused words
    MOPHOLOGY = 3,   // word form
    GRAMMAR = 4,
    STYLE = 5,
    SUGGESTION = 6,
    IMPROVE = 7,     // enrichment suggestion
    OTHERERROR = 8,  // any other word, or none
};

// Kind of edit a candidate makes, coded from its candidate type word.
enum EditType {
    REPLACE = 1,
    DELETION = 2,
    INSERTION = 3,
    OTHEREDIT = 4,   // any other word
};

// Exact, case-sensitive matching of the service's words.
int errorTypeOf(const QByteArray &word);
int editTypeOf(const QByteArray &word);

#endif
