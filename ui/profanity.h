#pragma once

#include <QString>
#include <QStringList>

// The words that make a candidate risky to offer without a warning.
// The list is kept as shipped, duplicate included.
const QStringList &profanityList();

// True when a blank-separated part of the text, lower-cased, is one of the
// listed words. Punctuation stays attached, so "shit!" does not match.
bool isProfane(const QString &text);
