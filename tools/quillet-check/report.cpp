#include "report.h"

#include "documentchunks.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

QString levelName(int level)
{
    static const char *const names[] = {"BASE", "CET4", "CET6", "IELTS", "TOEFL", "GRE",
                                        "A1",   "A2",   "B1",   "B2",    "C1",    "C2"};
    return level >= 0 && level < 12 ? QString::fromLatin1(names[level]) : QString();
}

QString errorTypeName(int code)
{
    static const char *const names[] = {"", "NONWORD", "REAL", "MOPHOLOGY", "GRAMMAR",
                                        "STYLE", "SUGGESTION", "IMPROVE", "OTHER"};
    return code >= 1 && code <= 8 ? QString::fromLatin1(names[code]) : QStringLiteral("OTHER");
}

static QString score(double value)
{
    return value < 0 ? QStringLiteral("none") : QString::number(value);
}

QString CheckReport::text(const DocumentChunks &document) const
{
    QString out;
    QTextStream stream(&out);
    int flagged = 0;
    for (auto it = results.cbegin(); it != results.cend(); ++it) {
        if (it->corrections.isEmpty())
            continue;
        const QString sentence = document.texts().value(it.key());
        const int offset = document.offsets().value(it.key());
        stream << "Sentence " << it.key() + 1 << " at " << offset << ": " << sentence.trimmed() << "\n";
        for (const CCorrection &c : it->corrections) {
            ++flagged;
            stream << "  " << c.start << "-" << c.end << " (text " << offset + c.start << "-"
                   << offset + c.end << ") " << errorTypeName(c.errorTypeCode) << " \""
                   << sentence.mid(c.start, c.end - c.start) << "\"";
            QStringList candidates;
            for (const CCandidate &candidate : c.candidates) {
                const QString word = QString::fromUtf8(candidate.correction);
                candidates << (word.isEmpty() ? QStringLiteral("(delete)") : QLatin1Char('"') + word + QLatin1Char('"'));
            }
            if (!candidates.isEmpty())
                stream << " -> " << candidates.join(QStringLiteral(", "));
            stream << "\n";
        }
    }
    if (flagged == 0)
        stream << "No mistakes found.\n";
    stream << "Words: " << words << "\n";
    stream << "Lexical score: " << score(lexicalScore) << "\n";
    stream << "Syntax score: " << score(syntaxScore) << "\n";
    stream << "Vocabulary levels:";
    for (int i = 0; i < levelCounts.size(); ++i)
        stream << " " << levelName(firstLevel + i) << " " << levelCounts.at(i);
    stream << "\n";
    return out;
}

QByteArray CheckReport::json(const DocumentChunks &document) const
{
    QJsonArray sentences;
    for (auto it = results.cbegin(); it != results.cend(); ++it) {
        const QString sentence = document.texts().value(it.key());
        const int offset = document.offsets().value(it.key());
        QJsonArray corrections;
        for (const CCorrection &c : it->corrections) {
            QJsonArray candidates;
            for (const CCandidate &candidate : c.candidates) {
                candidates.append(QJsonObject{
                    {QStringLiteral("correction"), QString::fromUtf8(candidate.correction)},
                    {QStringLiteral("candidateType"), QString::fromUtf8(candidate.candidateType)},
                    {QStringLiteral("score"), candidate.score},
                    {QStringLiteral("originalScore"), candidate.originalScore}});
            }
            QJsonArray keys;
            for (const QByteArray &key : c.featureKeys)
                keys.append(QString::fromUtf8(key));
            corrections.append(QJsonObject{
                {QStringLiteral("start"), c.start},
                {QStringLiteral("end"), c.end},
                {QStringLiteral("textStart"), offset + c.start},
                {QStringLiteral("textEnd"), offset + c.end},
                {QStringLiteral("text"), sentence.mid(c.start, c.end - c.start)},
                {QStringLiteral("errorType"), QString::fromUtf8(c.errorType)},
                {QStringLiteral("errorTypeCode"), c.errorTypeCode},
                {QStringLiteral("explainType"), QString::fromUtf8(c.explainType)},
                {QStringLiteral("errorInfo"), QString::fromUtf8(c.errorInfo)},
                {QStringLiteral("featureKeys"), keys},
                {QStringLiteral("candidates"), candidates}});
        }
        sentences.append(QJsonObject{{QStringLiteral("index"), it.key()},
                                     {QStringLiteral("offset"), offset},
                                     {QStringLiteral("title"), document.isTitle(it.key())},
                                     {QStringLiteral("text"), sentence},
                                     {QStringLiteral("corrections"), corrections}});
    }
    QJsonObject levels;
    for (int i = 0; i < levelCounts.size(); ++i)
        levels.insert(levelName(firstLevel + i), levelCounts.at(i));
    QJsonObject root{{QStringLiteral("sentences"), sentences},
                     {QStringLiteral("words"), words},
                     {QStringLiteral("lexicalScore"), lexicalScore},
                     {QStringLiteral("syntaxScore"), syntaxScore},
                     {QStringLiteral("levels"), levels}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
