#ifndef USERSTORE_H
#define USERSTORE_H

#include "edamerrorcode.h"

#include <QObject>
#include <QString>
#include <QUrl>

namespace GammaLib {

class TBinaryProtocol;
class THttpClient;

// The service's user store: finds the address of the user's note store.
class UserStore : public QObject
{
    Q_OBJECT

public:
    // "https://" + note service host + "/edam/user"
    static QUrl defaultUrl();

    explicit UserStore(QObject *parent = nullptr);
    explicit UserStore(const QUrl &url, QObject *parent = nullptr);

    // Sends "getNoteStoreUrl"; answers with signalGetNoteStoreUrlRes().
    void getNoteStoreUrl(const QString &authenticationToken);
    void cancel();

    THttpClient *transport() const { return m_transport; }

signals:
    void signalGetNoteStoreUrlRes(GammaLib::EDAMErrorCode code, const QString &noteStoreUrl);

private slots:
    void slotGetNoteStoreUrl(bool ok);

private:
    THttpClient *m_transport;
    TBinaryProtocol *m_protocol;
};

} // namespace GammaLib

#endif
