#ifndef NETWORKHELPER_H
#define NETWORKHELPER_H

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkProxy;
class QNetworkReply;

namespace GammaLib {

// Reachability probe: GETs one address and reports whether the host
// answered. Each probe gives exactly one signalCheckHttpFinished, in the
// order the replies finish: 0 answered, 1 host name not found, 2 any other
// failure (refused, no answer in time, proxy failure, error status).
class NetworkHelper : public QObject
{
    Q_OBJECT

public:
    explicit NetworkHelper(QObject *parent = nullptr);

    // "http://" + checking host + "/apps_compressed/"
    static QString serverCheckUrl();

    // Through the application-wide proxy, unless a proxy was given to an
    // earlier probe of this helper.
    void checkHttp(const QString &url);
    // Sets the proxy for this and every later probe of this helper.
    void checkHttp(const QNetworkProxy &proxy, const QString &url);

    // A probe whose server sends nothing for this long fails with 2 (10000 ms).
    void setTransferTimeout(int ms) { m_transferTimeoutMs = ms; }

signals:
    void signalCheckHttpFinished(int nError);

public slots:
    void slotFinished(QNetworkReply *reply);

private:
    QNetworkAccessManager *m_manager;
    int m_transferTimeoutMs;
};

} // namespace GammaLib

#endif
