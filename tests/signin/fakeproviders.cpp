#include "fakeproviders.h"

#include "serviceaddresses.h"

#include <QUrlQuery>

using GammaLib::ServiceAddresses;

RecordingHttpServer::Reply FakeProviders::page(const QByteArray &body)
{
    return typed(body, "text/html; charset=utf-8");
}

FakeProviders::FakeProviders(QObject *parent)
    : RecordingHttpServer(parent)
{
    setHandler("/dialog/oauth", [this](const Request &) {
        return redirect(url(QStringLiteral("/connect/login_success.html")).toLatin1() + "#access_token="
                        + token.toLatin1() + "&expires_in=5183999");
    });
    setReply("/connect/login_success.html",
             page("<html><head><title>Success</title></head><body>Success</body></html>"));
    setHandler("/me/", [this](const Request &) { return typed(meAnswer, "application/json"); });
    setHandler("/LoginedByFacebook.ashx", [this](const Request &) { return typed(facebookAccountAnswer, "text/plain"); });
    setHandler("/LoginBySina.ashx", [this](const Request &) {
        return page("<html><body><a id=\"go\" href=\"" + url(QStringLiteral("/LoginedBySina.ashx")).toLatin1()
                    + "\">Weibo</a><script>window.onload=function(){setTimeout(function(){"
                      "location.href=document.getElementById('go').href;},20);};</script></body></html>");
    });
    setHandler("/LoginedBySina.ashx", [this](const Request &) { return page(sinaAnswerPage); });

    // The account service, as far as these tests need it.
    setHandler("/register/DoesEmailExist.ashx", [this](const Request &request) {
        return answer(accounts.contains(formValue(request.body, QStringLiteral("e"))) ? "True" : "False");
    });
    setHandler("/register/register.ashx", [this](const Request &request) {
        const QString email = formValue(request.body, QStringLiteral("e"));
        if (accounts.contains(email))
            return answer("0400");
        accounts.insert(email, formValue(request.body, QStringLiteral("p")));
        return answer("success");
    });
    setHandler("/Login-new.ashx", [this](const Request &request) {
        const QString user = formValue(request.body, QStringLiteral("userName"));
        const QString hash = formValue(request.body, QStringLiteral("hashUserPassword"));
        if (accounts.value(user) == hash && !hash.isEmpty())
            return answer("Success|SESSION-" + QByteArray::number(++sessions) + '|' + user.toUtf8() + ";basic;1");
        return answer("UserNotExit|");
    });
    setReply("/NotPublic/UserCountBulkAdd.ashx", "success");
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
