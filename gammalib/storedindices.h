#ifndef STOREDINDICES_H
#define STOREDINDICES_H

#include <QList>
#include <QMutex>

// Indices of the sentences of a run answered from the result store: the
// look-up worker appends, the main thread reads; every access takes the lock.
class StoredIndices
{
public:
    void append(int index);
    bool contains(int index) const;
    QList<int> toList() const;
    void clear();

private:
    mutable QMutex m_lock;
    QList<int> m_indices;
};

#endif
