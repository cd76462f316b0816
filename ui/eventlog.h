#ifndef EVENTLOG_H
#define EVENTLOG_H

#include <QString>
#include <functional>

// Where the editor, labels, panel and menus count the user's actions
// ("QL_Main_First_Candidate", ...). The main window points it at its usage
// counters; until then events are dropped.
namespace EventLog {

void setSink(std::function<void(const QString &)> sink);
void log(const QString &name);

} // namespace EventLog

#endif
