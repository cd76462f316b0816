#ifndef REPORTFIGURES_H
#define REPORTFIGURES_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// Everything the writing report computes from its inputs, free of widgets:
// the mistake categories counted while marks are made, the ring chart
// shares, the ratings of the two document scores, the count lines and the
// vocabulary level chart.
namespace ReportFigures {

// Category numbers of the mistake table (category -> count).
enum Category {
    Spelling = 0,
    Grammar = 1,
    Other = 2,
    Mistakes = 3,   // all mistakes: spelling, grammar and other
    Suggestions = 4 // enrichment suggestions, not mistakes
};

// Counts one mark of the given error type (ErrorType code).
void countCategory(QHash<int, int> &categories, int errorType);
// The count of a category; 0 when absent (or, in a damaged table, negative).
int categoryCount(const QHash<int, int> &categories, int category);

// What one ring chart shows: its share of all mistakes in percent and the
// arc in degrees.
struct RingShare
{
    int percent = 0;
    int span = 0;
    QString text() const;
};

// The shares of spelling, grammar and other mistakes. The percentages of
// the categories that have mistakes add up to 100 and their arcs to 360
// degrees: the last of them takes what the others leave.
std::array<RingShare, 3> ringShares(const QHash<int, int> &categories);

// A score the service gave: finite and above 0. Missing scores come as -1.
bool scoreGiven(double score);
// The rating word of a score (translated); empty when no score was given.
QString ratingText(double score);
// The bar value 1..10 of a score; 0 when no score was given.
int ratingBarValue(double score);

QString mistakesText(int count);                                // "%1 mistake(s) found"
QString countsText(int wordCount, int sentenceCount);           // "%1 word(s) in %2 sentence(s)"
int averageLength(int wordCount, int sentenceCount);            // words per sentence, 0 without sentences
QString averageText(int wordCount, int sentenceCount);          // "%1 word(s) per sentence"
QString suggestionsText(bool enrichmentEnabled, int suggestions); // "%1 suggestion(s) made" or "(Disabled)"

// Number of vocabulary levels in the chart.
constexpr int LevelCount = 6;

// Bar fill of each level in percent of the largest level, rounded up; the
// largest level fills its bar. Always LevelCount values; missing counts are 0.
QList<int> levelPercentages(const QList<int> &levelCounts);
// The level names of the bars and of the axis for an interface language:
// Chinese exam levels for "zh-CN", CEFR levels otherwise.
QStringList levelTexts(const QString &language);
QStringList axisTexts(const QString &language);
// The text of a level bar's tooltip.
QString levelTooltip(const QString &levelText, int count);

} // namespace ReportFigures

#endif
