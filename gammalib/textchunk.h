#ifndef TEXTCHUNK_H
#define TEXTCHUNK_H

#include <QByteArray>
#include <QList>

namespace GammaLib {

// One piece of the document sent for checking: a title line or a sentence.
// Each kind knows which analysis stages the checking service runs on it (its
// config list). Not a QObject; whoever holds a chunk deletes it.
class TextChunk
{
public:
    virtual ~TextChunk();

    // Appends this kind's config list (name, value, name, value, ...).
    virtual void getConfigs(QList<QByteArray> &configs) const = 0;

    // True when both chunks give config lists of the same length with equal
    // entries at every index: same kind and same confidence.
    virtual bool sameConfigs(const TextChunk &other) const;
    // The same for a pointer; false for none.
    bool sameConfigs(const TextChunk *other) const { return other && sameConfigs(*other); }

    int confidence() const { return m_confidence; }
    void setConfidence(int confidence) { m_confidence = confidence; }
    // 0 for a sentence, 1 for a title: the index of this chunk's config list
    // inside the request's "configTypes".
    int configType() const { return m_configType; }

protected:
    explicit TextChunk(int configType);

    // The value of "server.confidence".
    QByteArray confidenceValue() const;

private:
    int m_confidence = 2;
    int m_configType = 0;
};

} // namespace GammaLib

#endif // TEXTCHUNK_H
