#include "requesttimeout.h"

#include <QNetworkReply>
#include <QTimer>

namespace GammaLib {
namespace RequestTimeOut {

static const char TimerName[] = "quilletRequestTimeOut";

void arm(QNetworkReply *reply, int ms, QObject *receiver, std::function<void()> onTimeOut)
{
    auto *timer = new QTimer(reply);
    timer->setObjectName(QLatin1String(TimerName));
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, receiver, [reply, receiver, onTimeOut] {
        // Whatever this request still delivers is ignored from now on.
        QObject::disconnect(reply, nullptr, receiver, nullptr);
        reply->abort();
        reply->deleteLater();
        onTimeOut();
    });
    timer->start(ms);
}

QNetworkReply *finish(QObject *sender, QObject *receiver)
{
    auto *reply = qobject_cast<QNetworkReply *>(sender);
    if (!reply)
        return nullptr;
    if (auto *timer = reply->findChild<QTimer *>(QLatin1String(TimerName), Qt::FindDirectChildrenOnly))
        timer->stop();
    QObject::disconnect(reply, nullptr, receiver, nullptr);
    reply->deleteLater();
    return reply;
}

} // namespace RequestTimeOut
} // namespace GammaLib
