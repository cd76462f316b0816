#include "chunkplan.h"

#include "sentencechunk.h"
#include "sentencesplitter.h"
#include "titlechunk.h"

namespace GammaLib {

QList<int> paragraphEnds(const QString &paragraph, bool title)
{
    if (title)
        return {-1, int(paragraph.size())};
    return splitSentences(paragraph);
}

QList<PlannedChunk> planChunks(const QList<int> &positions, const QList<QList<int>> &endLists)
{
    QList<PlannedChunk> plan;
    bool hasSentence = false;
    const qsizetype count = qMin(positions.size(), endLists.size());
    for (qsizetype p = 0; p < count; ++p) {
        const QList<int> &ends = endLists.at(p);
        const int base = positions.at(p);
        if (ends.isEmpty())
            continue;
        if (ends.first() >= 0) {
            int start = 0;
            for (const int end : ends) {
                plan.append({base + start, base + end + 1, false});
                start = end + 1;
            }
            hasSentence = true;
        } else if (ends.size() >= 2) {
            plan.append({base, base + ends.at(1), true});
        }
    }
    // A text made only of titles is still checked as one sentence.
    if (!hasSentence && !plan.isEmpty())
        plan.last().title = false;
    return plan;
}

QList<PlainParagraph> plainTextParagraphs(const QString &text)
{
    QList<PlainParagraph> paragraphs;
    const auto add = [&](int start, int end) {
        const QString paragraph = text.mid(start, end - start);
        if (!paragraph.trimmed().isEmpty())
            paragraphs.append({start, paragraph});
    };
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\n' && ch != u'\r' && ch != QChar::ParagraphSeparator)
            continue;
        add(start, i);
        if (ch == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    add(start, int(text.size()));
    return paragraphs;
}

QList<PlannedChunk> planPlainText(const QString &text)
{
    QList<int> positions;
    QList<QList<int>> endLists;
    for (const PlainParagraph &paragraph : plainTextParagraphs(text)) {
        positions.append(paragraph.position);
        endLists.append(paragraphEnds(paragraph.text, !containsSentenceMark(paragraph.text)));
    }
    return planChunks(positions, endLists);
}

std::unique_ptr<TextChunk> makeChunk(bool title, int englishLevel)
{
    std::unique_ptr<TextChunk> chunk;
    if (title)
        chunk = std::make_unique<TitleChunk>();
    else
        chunk = std::make_unique<SentenceChunk>();
    chunk->setConfidence(englishLevel);
    return chunk;
}

} // namespace GammaLib
