#include "signinbanner.h"

#include "guardedwebpage.h"
#include "serviceaddresses.h"
#include "webviewsupport.h"

#include <QLayout>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

using GammaLib::ServiceAddresses;

SignInBanner::SignInBanner(QWidget *parent)
    : QWidget(parent)
    , m_manager(new QNetworkAccessManager(this))
    , m_timer(new QTimer(this))
{
    setObjectName(QStringLiteral("bannerArea"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    hide();
    m_timer->setSingleShot(true);
}

SignInBanner::~SignInBanner()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

void SignInBanner::setRetryInterval(int ms)
{
    m_retryMs = ms;
    if (m_timer->isActive())
        m_timer->start(ms);
}

void SignInBanner::check()
{
    if (m_reply)
        return;
    const QUrl url(ServiceAddresses::instance().url(ServiceAddresses::Resource, bannerPath()));
    m_reply = m_manager->get(QNetworkRequest(url));
    connect(m_reply, &QNetworkReply::finished, this, &SignInBanner::checkFinished);
}

void SignInBanner::checkFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    if (!QString::fromUtf8(body).contains(bannerMarker())) {
        m_timer->start(m_retryMs);
        return;
    }
    m_timer->stop();
    if (!WebViewSupport::available())
        return;
    if (!m_view) {
        // Adding the first web view re-creates the native window, which can
        // lose its place on the screen.
        const QPoint placed = window()->pos();
        m_view = new QWebEngineView(this);
        m_view->setObjectName(QStringLiteral("bannerView"));
        m_page = new GuardedWebPage(m_view);
        m_page->setDelegateLinks(true);
        m_view->setPage(m_page);
        m_view->setContextMenuPolicy(Qt::NoContextMenu);
        m_view->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        m_view->setFixedHeight(140);
        layout()->addWidget(m_view);
        window()->move(placed);
        connect(m_view, &QWebEngineView::loadFinished, this, &SignInBanner::loadFinished);
        connect(m_page, &GuardedWebPage::linkClicked, this, &SignInBanner::linkClicked);
    }
    m_view->load(reply->url());
}
