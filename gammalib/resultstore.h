#ifndef RESULTSTORE_H
#define RESULTSTORE_H

#include "storedresult.h"

#include <QList>
#include <QMutex>

#include <optional>

namespace GammaLib {
class TextChunk;
}

// Results of sentences checked in earlier reviews, kept by the main window
// across reviews. The check run appends on the main thread while its look-up
// worker searches on its own thread; every access takes the store's lock.
class ResultStore
{
public:
    ResultStore() = default;
    ResultStore(const ResultStore &) = delete;
    ResultStore &operator=(const ResultStore &) = delete;

    void append(const StoredResult &result);
    // Corrections of the first entry whose text equals text exactly and whose
    // chunk has the same configs as chunk.
    std::optional<QList<CCorrection>> lookup(const QString &text, const GammaLib::TextChunk &chunk) const;

    int size() const;
    QList<StoredResult> entries() const;
    void clear();

private:
    mutable QMutex m_lock;
    QList<StoredResult> m_entries;
};

#endif
