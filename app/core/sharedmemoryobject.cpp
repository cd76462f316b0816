#include "sharedmemoryobject.h"

#include <QCoreApplication>
#include <QTimer>

namespace GammaLib {

SharedMemoryObject::SharedMemoryObject(const QString &key, QObject *parent)
    : QObject(parent)
    , m_memory(key)
{
    // System V segments survive a killed process. Attaching and detaching
    // removes a segment nobody else is attached to, and leaves a live one alone.
    {
        QSharedMemory probe(key);
        if (probe.attach())
            probe.detach();
    }
    if (m_memory.create(4, QSharedMemory::ReadWrite)) {
        m_memory.lock();
        *static_cast<qint32 *>(m_memory.data()) = 0;
        m_memory.unlock();
        m_created = true;
    } else {
        m_memory.attach(QSharedMemory::ReadWrite);
        m_created = false;
    }
}

void SharedMemoryObject::slotPlantoCloseApp()
{
    QTimer::singleShot(500, this, &SharedMemoryObject::slotForcetoCloseApp);
}

void SharedMemoryObject::slotForcetoCloseApp()
{
    QCoreApplication::exit(0);
}

} // namespace GammaLib
