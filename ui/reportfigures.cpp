#include "reportfigures.h"

#include "errortype.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace ReportFigures {

namespace {

// The report's texts belong to the report frame's translation context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrame)
};

} // namespace

void countCategory(QHash<int, int> &categories, int errorType)
{
    switch (errorType) {
    case NONWORD:
    case REAL:
        ++categories[Spelling];
        ++categories[Mistakes];
        break;
    case STYLE:
        ++categories[Other];
        ++categories[Mistakes];
        break;
    case IMPROVE:
        ++categories[Suggestions];
        break;
    default:
        ++categories[Grammar];
        ++categories[Mistakes];
        break;
    }
}

int categoryCount(const QHash<int, int> &categories, int category)
{
    return std::max(0, categories.value(category, 0));
}

QString RingShare::text() const
{
    return QStringLiteral("%1%").arg(percent);
}

std::array<RingShare, 3> ringShares(const QHash<int, int> &categories)
{
    const int counts[3] = {categoryCount(categories, Spelling), categoryCount(categories, Grammar),
                           categoryCount(categories, Other)};
    // The total of all mistakes normally equals the sum of the three; a
    // table whose total falls short of it would divide by zero or give
    // shares above 100 percent.
    const int sum = counts[0] + counts[1] + counts[2];
    const int total = std::max(categoryCount(categories, Mistakes), sum);
    int nonZero = int(std::count_if(std::begin(counts), std::end(counts), [](int c) { return c != 0; }));

    std::array<RingShare, 3> shares;
    int percentSum = 0;
    int angleSum = 0;
    for (int i = 0; i < 3; ++i) {
        if (counts[i] == 0)
            continue;
        if (nonZero != 1) {
            const int percent = int(qint64(counts[i]) * 100 / total);
            const int span = percent * 36 / 10; // percent x 3.6, truncated
            shares[i] = {percent, span};
            percentSum += percent;
            angleSum += span;
            --nonZero;
        } else {
            shares[i] = {100 - percentSum, 360 - angleSum};
        }
    }
    return shares;
}

bool scoreGiven(double score)
{
    return std::isfinite(score) && score > 0;
}

QString ratingText(double score)
{
    if (!scoreGiven(score))
        return QString();
    if (score <= 0.1)
        return Texts::tr("Troll");
    if (score <= 0.2)
        return Texts::tr("Dreadful");
    if (score <= 0.3)
        return Texts::tr("Poor");
    if (score <= 0.6)
        return Texts::tr("Acceptable");
    if (score <= 0.8)
        return Texts::tr("Exceeds Expectations");
    return Texts::tr("Outstanding");
}

int ratingBarValue(double score)
{
    if (!scoreGiven(score))
        return 0;
    if (score < 0.1)
        return 1;
    // Scores belong to 0..1; a larger one still fills the bar only once.
    return int(std::min(10.0, std::round(score * 10)));
}

QString mistakesText(int count)
{
    return Texts::tr("%1 mistake(s) found").arg(std::max(0, count));
}

QString countsText(int wordCount, int sentenceCount)
{
    return Texts::tr("%1 word(s) in %2 sentence(s)").arg(std::max(0, wordCount)).arg(std::max(0, sentenceCount));
}

int averageLength(int wordCount, int sentenceCount)
{
    if (sentenceCount <= 0 || wordCount <= 0)
        return 0;
    return wordCount / sentenceCount;
}

QString averageText(int wordCount, int sentenceCount)
{
    return Texts::tr("%1 word(s) per sentence").arg(averageLength(wordCount, sentenceCount));
}

QString suggestionsText(bool enrichmentEnabled, int suggestions)
{
    if (!enrichmentEnabled)
        return Texts::tr("(Disabled)");
    return Texts::tr("%1 suggestion(s) made").arg(std::max(0, suggestions));
}

QList<int> levelPercentages(const QList<int> &levelCounts)
{
    QList<int> counts(LevelCount, 0);
    for (int i = 0; i < LevelCount && i < levelCounts.size(); ++i)
        counts[i] = std::max(0, levelCounts.at(i));
    const int max = *std::max_element(counts.cbegin(), counts.cend());

    QList<int> percentages(LevelCount, 0);
    if (max <= 0)
        return percentages;
    for (int i = 0; i < LevelCount; ++i) {
        const double exact = counts.at(i) * 100.0 / max;
        int percent = int(exact);
        if (exact - percent > 0)
            ++percent;
        percentages[i] = percent;
    }
    return percentages;
}

QStringList levelTexts(const QString &language)
{
    if (language == QLatin1String("zh-CN"))
        return axisTexts(language);
    return {Texts::tr("A1 (Breakthrough)"), Texts::tr("A2 (Waystage)"), Texts::tr("B1 (Threshold)"), Texts::tr("B2 (Vantage)"),
            Texts::tr("C1 (Effective Operational Proficiency)"), Texts::tr("C2 (Mastery)")};
}

QStringList axisTexts(const QString &language)
{
    if (language == QLatin1String("zh-CN"))
        //: Exam levels of the Chinese interface: high-school English, College English
        //: Test bands 4 and 6, IELTS, TOEFL, GRE. Only the Chinese interface shows them.
        return {Texts::tr("BASE"), Texts::tr("CET4"), Texts::tr("CET6"),
                Texts::tr("IELTS"), Texts::tr("TOEFL"), Texts::tr("GRE")};
    return {Texts::tr("A1"), Texts::tr("A2"), Texts::tr("B1"), Texts::tr("B2"), Texts::tr("C1"), Texts::tr("C2")};
}

QString levelTooltip(const QString &levelText, int count)
{
    return QStringLiteral("%1: %2").arg(levelText).arg(count);
}

} // namespace ReportFigures
