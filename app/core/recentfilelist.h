#ifndef RECENTFILELIST_H
#define RECENTFILELIST_H

#include <QString>
#include <QStringList>
#include <functional>

class ConfigFile;

// The recent-document list kept in "recent_file_list": paths joined by "|",
// newest first, at most five.
class RecentFileList
{
public:
    static constexpr int MaxEntries = 5;

    explicit RecentFileList(ConfigFile &preferences);

    void add(const QString &path);
    void remove(const QString &path);
    QStringList paths();

    // Called after every change so the menu can rebuild its entries.
    void setChangedHook(std::function<void()> hook) { m_changed = std::move(hook); }

private:
    ConfigFile &m_store;
    std::function<void()> m_changed;
};

#endif
