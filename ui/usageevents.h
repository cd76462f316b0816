#ifndef USAGEEVENTS_H
#define USAGEEVENTS_H

#include <QString>
#include <functional>

// Where the editor, labels, panel and menus count the user's actions
// ("QL_Main_First_Candidate", ...). The main window points it at its usage
// counters; until then events are dropped.
namespace UsageEvents {

void setSink(std::function<void(const QString &)> sink);
void log(const QString &name);

} // namespace UsageEvents

#endif
