#include "authorizationwindow.h"

#include "guardedwebpage.h"
#include "loadingcover.h"
#include "serviceaddresses.h"
#include "iconbutton.h"
#include "titlebar.h"
#include "useraccess.h"
#include "themecolours.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

using GammaLib::ServiceAddresses;

AuthorizationWindow::AuthorizationWindow(int mode, QWidget *parent)
    : QDialog(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("AuthorizationWindow"));
    setWindowTitle(mode == Facebook ? tr("Log in with Facebook") : tr("Log in with Sina Weibo"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(ThemeColours::themed(QStringLiteral("AuthorizationWindow{background:#ffffff;border:1px solid #c8c8c8;}")));
    resize(620, 480);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_titleBar = new Titlebar(this);
    m_titleBar->setTitle(windowTitle());
    m_titleBar->minButton()->hide();
    connect(m_titleBar, &Titlebar::signalClose, this, &AuthorizationWindow::slotClose);
    connect(m_titleBar, &Titlebar::signalMove, this, &AuthorizationWindow::slotMove);
    layout->addWidget(m_titleBar);

    m_view = GuardedWebPage::addView(this, layout);
    if (m_view) {
        m_page = static_cast<GuardedWebPage *>(m_view->page());
        connect(m_view, &QWebEngineView::loadFinished, this, &AuthorizationWindow::slotLoadFinished);
    }

    m_loading = new LoadingCover(this);
    m_loading->setObjectName(QStringLiteral("authorizationLoading"));
    m_loading->setArea(m_view);

    m_manager = new QNetworkAccessManager(this);
}

AuthorizationWindow::~AuthorizationWindow()
{
    // Replies still in flight must not call back into a window that is gone.
    for (QNetworkReply *reply : {m_graphReply, m_loginReply}) {
        if (reply) {
            reply->disconnect(this);
            reply->abort();
            reply->deleteLater();
        }
    }
}

QUrl AuthorizationWindow::facebookDialogUrl()
{
    const ServiceAddresses &hosts = ServiceAddresses::instance();
    const QByteArray redirect =
        QUrl::toPercentEncoding(hosts.url(ServiceAddresses::FacebookWww, facebookSuccessPath()));
    const QString address = hosts.url(ServiceAddresses::FacebookWww, QStringLiteral("/dialog/oauth"))
                            + QStringLiteral("?client_id=") + facebookAppId()
                            + QStringLiteral("&redirect_uri=") + QString::fromLatin1(redirect)
                            + QStringLiteral("&response_type=token");
    return QUrl::fromEncoded(address.toLatin1());
}

QUrl AuthorizationWindow::sinaLoginUrl()
{
    return QUrl(ServiceAddresses::instance().url(ServiceAddresses::Sina,
                                                 QStringLiteral("/LoginBySina.ashx?area=veska")));
}

bool AuthorizationWindow::loadingShown() const
{
    return m_loading->isVisible();
}

void AuthorizationWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    if (!m_view) {
        QTimer::singleShot(0, this, &AuthorizationWindow::fail);
        return;
    }
    m_loading->setShown(true);
    m_view->load(m_mode == Facebook ? facebookDialogUrl() : sinaLoginUrl());
}

void AuthorizationWindow::slotLoadFinished(bool ok)
{
    if (m_finished)
        return;
    if (!ok) {
        fail();
        return;
    }
    m_loading->setShown(false);
    const QUrl shown = m_view->url();
    const QString path = shown.path();
    if (m_mode == Facebook && path == facebookSuccessPath()) {
        if (m_graphRequested)
            return;
        m_graphRequested = true;
        const QString fragment = shown.fragment(QUrl::FullyEncoded);
        requestGraph(fragment.section(QLatin1Char('&'), 0, 0));
        m_view->setHtml(QString());
    } else if (m_mode == SinaWeibo
               && path.compare(QLatin1String("/loginedbysina.ashx"), Qt::CaseInsensitive) == 0) {
        QPointer<AuthorizationWindow> self(this);
        m_page->toHtml([self](const QString &html) {
            if (self && !self->m_finished)
                self->finishWithAnswer(SocialLoginAnswer::parsePage(html), false);
        });
    }
    // Any other page: the user is still on the provider's pages.
}

void AuthorizationWindow::requestGraph(const QString &tokenItem)
{
    const QString address = ServiceAddresses::instance().url(ServiceAddresses::FacebookGraph,
                                                             QStringLiteral("/me/?") + tokenItem);
    m_graphReply = m_manager->get(QNetworkRequest(QUrl::fromEncoded(address.toLatin1())));
    connect(m_graphReply, &QNetworkReply::finished, this, &AuthorizationWindow::slotSaveUserInfo);
}

void AuthorizationWindow::slotSaveUserInfo()
{
    QNetworkReply *reply = m_graphReply;
    m_graphReply = nullptr;
    if (!reply || m_finished)
        return;
    reply->deleteLater();
    m_loading->setShown(true);
    const QByteArray body =
        reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !json.isObject()) {
        fail();
        return;
    }
    const QJsonObject me = json.object();
    const QString id = me.value(QStringLiteral("id")).toString();
    const QString name = me.value(QStringLiteral("name")).toString();
    const QString address = ServiceAddresses::instance().url(
        ServiceAddresses::Account,
        QStringLiteral("/LoginedByFacebook.ashx?") + QStringLiteral("id=") + id
            + QStringLiteral("&name=") + name);
    // The address is taken as already encoded, from its Latin-1 bytes. Bytes
    // outside ASCII are escaped as they are: read as UTF-8 they would turn
    // every accented letter of the name into a replacement character.
    QByteArray encoded;
    for (const char c : address.toLatin1()) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += QByteArray::number(byte, 16).toUpper();
        }
    }
    m_loginReply = m_manager->get(QNetworkRequest(QUrl::fromEncoded(encoded)));
    connect(m_loginReply, &QNetworkReply::finished, this, &AuthorizationWindow::slotLogin);
}

void AuthorizationWindow::slotLogin()
{
    QNetworkReply *reply = m_loginReply;
    m_loginReply = nullptr;
    if (!reply || m_finished)
        return;
    reply->deleteLater();
    const QByteArray body =
        reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    finishWithAnswer(SocialLoginAnswer::parse(QString::fromUtf8(body)), true);
}

void AuthorizationWindow::finishWithAnswer(const SocialLoginAnswer &answer, bool failOnBad)
{
    m_answer = answer;
    // A "Success" without a session key is no sign-in: nothing could be asked
    // of the services on the user's behalf with it.
    if (answer.good && answer.sessionKey.isEmpty())
        m_answer.good = false;
    if (!m_answer.good) {
        if (failOnBad) {
            fail();
        } else {
            m_finished = true;
            reject();
        }
        return;
    }
    m_finished = true;
    GammaLib::UserAccess &access = GammaLib::UserAccess::instance();
    access.setSessionKey(answer.sessionKey);
    access.setUserName(answer.userName);
    access.setFirstAttribute(answer.attribute);
    accept();
}

void AuthorizationWindow::fail()
{
    m_finished = true;
    m_failed = true;
    reject();
}

void AuthorizationWindow::slotClose()
{
    reject();
}

void AuthorizationWindow::done(int result)
{
    // Whatever closes the window, pages still loading decide nothing after it.
    m_finished = true;
    if (m_view)
        m_view->stop();
    QDialog::done(result);
}

void AuthorizationWindow::slotMove(int x, int y)
{
    move(x, y);
}
