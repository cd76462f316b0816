#ifndef DOCUMENTCHUNKS_H
#define DOCUMENTCHUNKS_H

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace GammaLib {
class TextChunk;
}

// A plain text cut into the pieces a review sends, by the same chunk plan as
// the editor's (planPlainText()).
class DocumentChunks
{
public:
    DocumentChunks(const QString &text, int englishLevel);
    ~DocumentChunks();

    const QStringList &texts() const { return m_texts; }
    // Offset of each chunk's first character in the text (UTF-16 units).
    const QList<int> &offsets() const { return m_offsets; }
    QList<GammaLib::TextChunk *> chunks() const;
    bool isTitle(int index) const;

private:
    QStringList m_texts;
    QList<int> m_offsets;
    std::vector<std::unique_ptr<GammaLib::TextChunk>> m_chunks;
};

#endif
