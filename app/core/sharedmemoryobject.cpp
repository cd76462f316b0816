#include "sharedmemoryobject.h"

#include <QCoreApplication>
#include <QTimer>

namespace GammaLib {

SharedMemoryObject::SharedMemoryObject(const QString &key, QObject *parent)
    : QObject(parent)
    , m_memory(key)
{
    // System V segments survive a killed process, and a new key file can get
    // the key of such a leftover. When the segment already exists, attaching
    // and detaching removes it if nobody else is attached, and leaves a live
    // one alone; then creating again tells the two cases apart.
    // Removing a leftover also removes its key file, and the key file made
    // anew can land on the key of yet another leftover (several killed
    // copies leave several), so this is repeated a few times.
    for (int attempt = 0; attempt < 8; ++attempt) {
        m_created = createSegment();
        if (m_created || m_memory.error() != QSharedMemory::AlreadyExists || !m_memory.attach())
            break;
        m_memory.detach();
    }
    if (!m_created)
        m_memory.attach(QSharedMemory::ReadWrite);
}

bool SharedMemoryObject::createSegment()
{
    if (!m_memory.create(4, QSharedMemory::ReadWrite))
        return false;
    m_memory.lock();
    *static_cast<qint32 *>(m_memory.data()) = 0;
    m_memory.unlock();
    return true;
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
