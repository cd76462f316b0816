#include "fakeproviders.h"

#include "serviceaddresses.h"

#include <QUrlQuery>

using GammaLib::ServiceAddresses;

FakeProviders::FakeProviders(QObject *parent)
    : FakeWebServer(parent)
{
    handle(QStringLiteral("/dialog/oauth"), [this](const Request &) {
        Response response;
        response.status = 302;
        response.location = url(QStringLiteral("/connect/login_success.html")).toLatin1()
                            + "#access_token=" + token.toLatin1() + "&expires_in=5183999";
        return response;
    });
    answer(QStringLiteral("/connect/login_success.html"),
           "<html><head><title>Success</title></head><body>Success</body></html>");
    handle(QStringLiteral("/me/"), [this](const Request &) {
        Response response;
        response.contentType = "application/json";
        response.body = meAnswer;
        return response;
    });
    handle(QStringLiteral("/LoginedByFacebook.ashx"), [this](const Request &) {
        Response response;
        response.contentType = "text/plain";
        response.body = facebookAccountAnswer;
        return response;
    });
    handle(QStringLiteral("/LoginBySina.ashx"), [this](const Request &) {
        Response response;
        response.body = "<html><body><a id=\"go\" href=\"" + url(QStringLiteral("/LoginedBySina.ashx")).toLatin1()
                        + "\">Weibo</a><script>window.onload=function(){setTimeout(function(){"
                          "location.href=document.getElementById('go').href;},20);};</script></body></html>";
        return response;
    });
    handle(QStringLiteral("/LoginedBySina.ashx"), [this](const Request &) {
        Response response;
        response.body = sinaAnswerPage;
        return response;
    });

    // The account service, as far as these tests need it.
    handle(QStringLiteral("/register/DoesEmailExist.ashx"), [this](const Request &request) {
        Response response;
        response.contentType = "text/plain";
        response.body = accounts.contains(formValue(request.body, QStringLiteral("e"))) ? "True" : "False";
        return response;
    });
    handle(QStringLiteral("/register/register.ashx"), [this](const Request &request) {
        Response response;
        response.contentType = "text/plain";
        const QString email = formValue(request.body, QStringLiteral("e"));
        if (accounts.contains(email)) {
            response.body = "0400";
        } else {
            accounts.insert(email, formValue(request.body, QStringLiteral("p")));
            response.body = "success";
        }
        return response;
    });
    handle(QStringLiteral("/Login-new.ashx"), [this](const Request &request) {
        Response response;
        response.contentType = "text/plain";
        const QString user = formValue(request.body, QStringLiteral("userName"));
        const QString hash = formValue(request.body, QStringLiteral("hashUserPassword"));
        if (accounts.value(user) == hash && !hash.isEmpty())
            response.body = "Success|SESSION-" + QByteArray::number(++sessions) + '|' + user.toUtf8()
                            + ";basic;1";
        else
            response.body = "UserNotExit|";
        return response;
    });
    answer(QStringLiteral("/NotPublic/UserCountBulkAdd.ashx"), "success", "text/plain");
}

void FakeProviders::pointProvidersHere()
{
    ServiceAddresses &hosts = ServiceAddresses::instance();
    for (ServiceAddresses::Host which :
         {ServiceAddresses::FacebookWww, ServiceAddresses::FacebookGraph, ServiceAddresses::Sina}) {
        hosts.setScheme(which, QStringLiteral("http"));
        hosts.setHost(which, host());
    }
}

void FakeProviders::pointEverythingHere()
{
    ServiceAddresses::instance().setProductHosts(host());
    pointProvidersHere();
}

QString FakeProviders::formValue(const QByteArray &body, const QString &name)
{
    QUrlQuery form(QString::fromLatin1(body).replace(QLatin1Char('+'), QStringLiteral("%20")));
    return form.queryItemValue(name, QUrl::FullyDecoded);
}
