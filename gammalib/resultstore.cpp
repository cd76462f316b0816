#include "resultstore.h"

#include "textchunk.h"

void ResultStore::append(const StoredResult &result)
{
    QMutexLocker locker(&m_lock);
    m_entries.append(result);
}

std::optional<QList<CCorrection>> ResultStore::lookup(const QString &text,
                                                      const GammaLib::TextChunk &chunk) const
{
    QMutexLocker locker(&m_lock);
    for (const StoredResult &entry : m_entries) {
        if (entry.text == text && entry.chunk && entry.chunk->sameConfigs(chunk))
            return entry.corrections;
    }
    return std::nullopt;
}

int ResultStore::size() const
{
    QMutexLocker locker(&m_lock);
    return int(m_entries.size());
}

QList<StoredResult> ResultStore::entries() const
{
    QMutexLocker locker(&m_lock);
    return m_entries;
}

void ResultStore::clear()
{
    QMutexLocker locker(&m_lock);
    m_entries.clear();
}
