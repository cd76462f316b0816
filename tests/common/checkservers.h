#ifndef CHECKSERVERS_H
#define CHECKSERVERS_H

#include "recordinghttpserver.h"

#include <memory>

class CheckTaskThread;

// The two services a check run talks to, as recording servers.
namespace CheckServers {

// Fresh servers: the check service answers every request with an empty
// answer stream until told otherwise, the account service answers the
// statistics uploads with "Success"; the service table's account host is
// pointed at the latter.
void start(std::unique_ptr<RecordingHttpServer> &check, std::unique_ptr<RecordingHttpServer> &account);
// A check run that sends to check's "/unified/", reads the vocabulary of the
// build tree and stores results with a short pause.
std::unique_ptr<CheckTaskThread> makeRun(const RecordingHttpServer &check);

} // namespace CheckServers

#endif
