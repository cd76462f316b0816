#include "eventlog.h"

namespace EventLog {

static std::function<void(const QString &)> &sink()
{
    static std::function<void(const QString &)> current;
    return current;
}

void setSink(std::function<void(const QString &)> target)
{
    sink() = std::move(target);
}

void log(const QString &name)
{
    if (sink())
        sink()(name);
}

} // namespace EventLog
