#ifndef SENTENCESPLITTER_H
#define SENTENCESPLITTER_H

#include <QByteArray>
#include <QList>
#include <QString>

namespace GammaLib {

// The title test: true when the paragraph holds ".", "?", "!", U+3002, U+FF1F
// or U+FF01. A non-blank paragraph without any of them is a title.
bool containsSentenceMark(const QString &paragraph);

// Splits a running-text paragraph, given in GBK (GbkCodec::encode), into
// sentences. Returns the inclusive end of each sentence as a character index
// of the paragraph (the index of its 16-bit string), ascending, the last one
// always the paragraph's last character. Sentence k runs from one past end
// k-1 (0 for the first) to end k. An empty paragraph has no sentence.
QList<int> splitSentences(const QByteArray &gbkParagraph);
// The same for a paragraph not yet in GBK.
QList<int> splitSentences(const QString &paragraph);

// Builds the splitter's tables and the GBK table. Call once at start-up,
// before any worker thread runs; every function here is reentrant after that.
void prepareSegmentation();

} // namespace GammaLib

#endif // SENTENCESPLITTER_H
