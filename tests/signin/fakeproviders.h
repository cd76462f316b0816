#ifndef FAKEPROVIDERS_H
#define FAKEPROVIDERS_H

#include "recordinghttpserver.h"

#include <QSet>

// The outside log-in providers on loopback: Facebook's OAuth dialog (which
// sends the browser straight on to the success page with a token in the
// fragment), its graph "me" endpoint, and the account service's Facebook and
// Sina Weibo pages. Also a minimal account service for the cases that need
// to see exactly what was sent (or that nothing was).
class FakeProviders : public RecordingHttpServer
{
    Q_OBJECT
public:
    explicit FakeProviders(QObject *parent = nullptr);

    QString token = QStringLiteral("EAAFtoken123");
    QByteArray meAnswer = "{\"id\":\"1029384756\",\"name\":\"Ann Lee\"}";
    QByteArray facebookAccountAnswer = "Success|FB-SESSION-1|Ann Lee;facebook";
    QByteArray sinaAnswerPage =
        "<html><head><title>Sina</title></head><body><div id=\"r\">Success|SINA-SESSION-7|"
        "Wei Zhang;weibo</div></body></html>";

    // Minimal account service: known addresses and their password hashes.
    QHash<QString, QString> accounts;
    int sessions = 0;
    // Points the Facebook hosts, the Sina host and every product host here.
    void pointEverythingHere();
    // Points only the outside Facebook hosts and the Sina host here.
    void pointProvidersHere();

    static QString formValue(const QByteArray &body, const QString &name);
    // An HTML page, as a browser needs it.
    static Reply page(const QByteArray &body);
};

#endif
