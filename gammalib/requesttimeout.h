#ifndef REQUESTTIMEOUT_H
#define REQUESTTIMEOUT_H

#include <functional>

class QNetworkReply;
class QObject;

namespace GammaLib {

// A time-out that belongs to one request alone: its timer is a child of the
// reply, so an earlier request's time-out can never end a later one.
namespace RequestTimeOut {

// After ms, the reply is detached from receiver, aborted and released, and
// onTimeOut runs (on receiver's thread).
void arm(QNetworkReply *reply, int ms, QObject *receiver, std::function<void()> onTimeOut);

// For the reply's finished slot: stops its timer, detaches the reply from
// receiver and schedules its release. Returns the reply (still readable
// until control returns to the event loop), or none when sender is not one.
QNetworkReply *finish(QObject *sender, QObject *receiver);

} // namespace RequestTimeOut
} // namespace GammaLib

#endif
