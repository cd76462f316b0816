#include "checkservers.h"

#include "checkstoragethread.h"
#include "checktaskthread.h"
#include "serviceaddresses.h"

namespace CheckServers {

void start(std::unique_ptr<RecordingHttpServer> &check, std::unique_ptr<RecordingHttpServer> &account)
{
    check = std::make_unique<RecordingHttpServer>();
    check->setDefaultReply(RecordingHttpServer::stream({}));
    account = std::make_unique<RecordingHttpServer>();
    account->setDefaultReply(RecordingHttpServer::answer("Success"));
    GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Account, account->host());
}

std::unique_ptr<CheckTaskThread> makeRun(const RecordingHttpServer &check)
{
    auto run = std::make_unique<CheckTaskThread>(check.url(QStringLiteral("/unified/")), QStringLiteral("en"),
                                                 QStringLiteral(QUILLET_BINARY_DIR "/bin"));
    run->storage()->setPauseMs(5);
    return run;
}

} // namespace CheckServers
