#include "recentfilelist.h"

#include "configfile.h"

static const QString kKey = QStringLiteral("recent_file_list");

RecentFileList::RecentFileList(ConfigFile &preferences)
    : m_store(preferences)
{
}

QStringList RecentFileList::paths()
{
    const QString stored = m_store.value(kKey);
    return stored.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

void RecentFileList::add(const QString &path)
{
    QStringList list = m_store.value(kKey).split(QLatin1Char('|'), Qt::KeepEmptyParts);
    list.removeAll(path);
    list.prepend(path);
    while (list.size() > MaxEntries)
        list.removeLast();
    const QString joined = list.join(QLatin1Char('|'));
    if (!joined.isEmpty())
        m_store.setValue(kKey, joined);
    if (m_changed)
        m_changed();
    m_store.save();
}

void RecentFileList::remove(const QString &path)
{
    QStringList list = m_store.value(kKey).split(QLatin1Char('|'), Qt::KeepEmptyParts);
    list.removeAll(path);
    m_store.setValue(kKey, list.join(QLatin1Char('|')));
    if (m_changed)
        m_changed();
    m_store.save();
}
