#include "guardedwebpage.h"

#include "currentlanguage.h"
#include "webviewsupport.h"

#include <QBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Catches the first navigation of a page opened for a new window and passes
// its address on; the page itself is never shown.
class LinkCatcherPage : public QWebEnginePage
{
public:
    LinkCatcherPage(GuardedWebPage *owner)
        : QWebEnginePage(owner), m_owner(owner)
    {
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool) override
    {
        if (!m_done && url.isValid() && !url.isEmpty()) {
            m_done = true;
            emit m_owner->linkClicked(url);
            deleteLater();
        }
        return false;
    }

private:
    GuardedWebPage *m_owner;
    bool m_done = false;
};

} // namespace

GuardedWebPage::GuardedWebPage(QObject *parent)
    : QWebEnginePage(parent)
{
    // Pages answer in the language the browser asks for: the interface
    // language, unless that is English (then the system's).
    if (GammaLib::currentLanguage() != QLatin1String("en"))
        profile()->setHttpAcceptLanguage(GammaLib::currentLanguage());
    connect(this, &QWebEnginePage::certificateError, this, &GuardedWebPage::rejectCertificate);
}

void GuardedWebPage::rejectCertificate(const QWebEngineCertificateError &error)
{
    QWebEngineCertificateError copy = error;
    copy.rejectCertificate();
    ++m_rejectedCertificates;
}

bool GuardedWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (m_delegateLinks && type == NavigationTypeLinkClicked) {
        emit linkClicked(url);
        return false;
    }
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}

QWebEnginePage *GuardedWebPage::createWindow(WebWindowType type)
{
    if (!m_delegateLinks)
        return nullptr;
    return new LinkCatcherPage(this);
}

QWebEngineView *GuardedWebPage::addView(QWidget *owner, QBoxLayout *layout)
{
    if (!WebViewSupport::available()) {
        layout->addStretch(1);
        return nullptr;
    }
    auto *view = new QWebEngineView(owner);
    view->setPage(new GuardedWebPage(view));
    layout->addWidget(view, 1);
    return view;
}
