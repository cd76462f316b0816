#ifndef CHUNKPLAN_H
#define CHUNKPLAN_H

#include "textchunk.h"

#include <QList>
#include <QString>

#include <memory>

namespace GammaLib {

// Where the chunks of a review lie and what kind each one is, before any
// chunk exists. The editor and quillet-check both build their chunks from it,
// so one text always gives the same request.
struct PlannedChunk
{
    int start = 0;      // first character, as a document position
    int end = 0;        // one past the last character
    bool title = false; // a title line; otherwise a sentence

    int length() const { return end - start; }
};

// One non-blank paragraph of a text: its start and its text.
struct PlainParagraph
{
    int position = 0;
    QString text;
};

// The sentence ends of one paragraph as the sentence detection hands them on:
// -1 and the paragraph's length for a title, otherwise the inclusive end of
// every sentence (splitSentences()).
QList<int> paragraphEnds(const QString &paragraph, bool title);

// The chunks of a document from the start of every non-blank paragraph and
// its end list: one title chunk per title paragraph, one sentence chunk per
// sentence end, in document order. A document made only of titles has its
// last title checked as a sentence.
QList<PlannedChunk> planChunks(const QList<int> &positions, const QList<QList<int>> &endLists);

// The non-blank paragraphs of a plain text, split where the editor's document
// starts a new block: at "\n", "\r\n", a lone "\r" and U+2029. Positions are
// offsets in the text.
QList<PlainParagraph> plainTextParagraphs(const QString &text);

// The whole plan for a plain text, with offsets in the text.
QList<PlannedChunk> planPlainText(const QString &text);

// A new chunk of the planned kind with its English level.
std::unique_ptr<TextChunk> makeChunk(bool title, int englishLevel);

} // namespace GammaLib

#endif // CHUNKPLAN_H
