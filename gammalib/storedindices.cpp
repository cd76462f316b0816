#include "storedindices.h"

void StoredIndices::append(int index)
{
    QMutexLocker locker(&m_lock);
    m_indices.append(index);
}

bool StoredIndices::contains(int index) const
{
    QMutexLocker locker(&m_lock);
    return m_indices.contains(index);
}

QList<int> StoredIndices::toList() const
{
    QMutexLocker locker(&m_lock);
    return m_indices;
}

void StoredIndices::clear()
{
    QMutexLocker locker(&m_lock);
    m_indices.clear();
}
