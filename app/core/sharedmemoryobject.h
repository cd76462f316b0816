#ifndef SHAREDMEMORYOBJECT_H
#define SHAREDMEMORYOBJECT_H

#include <QObject>
#include <QSharedMemory>

namespace GammaLib {

// Single-instance guard: a 4-byte shared-memory segment whose existence means
// "a copy is running". A segment left behind by a killed process is cleared
// before the guard is taken, so a crash never blocks the next start.
class SharedMemoryObject : public QObject
{
    Q_OBJECT
public:
    explicit SharedMemoryObject(const QString &key, QObject *parent = nullptr);

    bool isFirstInstance() const { return m_created; }

public slots:
    // Quits the event loop 500 ms from now.
    void slotPlantoCloseApp();
    void slotForcetoCloseApp();

private:
    bool createSegment();
    QSharedMemory m_memory;
    bool m_created = false;
};

} // namespace GammaLib

#endif
