#ifndef REFERENCESPLITTER_H
#define REFERENCESPLITTER_H

#include <QByteArray>
#include <QList>
#include <QString>

// Straightforward sentence splitter and word counters: one scan of the
// paragraph per table entry, each step written out as the splitting rules
// state it. The production splitter must give exactly the same answers.
namespace Reference {

QList<int> splitSentences(const QByteArray &gbk);
int countWords(const QString &text);
int countWordsUpTo(const QString &text, int limit);

} // namespace Reference

#endif // REFERENCESPLITTER_H
