#ifndef GUARDEDWEBPAGE_H
#define GUARDEDWEBPAGE_H

#include <QUrl>
#include <QWebEnginePage>

class QBoxLayout;
class QWebEngineCertificateError;
class QWebEngineView;

// A web page that never accepts a server whose certificate does not check
// out: the load fails instead. Optionally it hands clicked links (and pages
// that ask for a new window) to linkClicked() instead of following them, so
// the caller can open them in the user's browser.
class GuardedWebPage : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit GuardedWebPage(QObject *parent = nullptr);

    // A web view showing a guarded page, added to the layout with all its
    // stretch; none (and an empty stretch) where this process cannot show
    // web pages (WebViewSupport).
    static QWebEngineView *addView(QWidget *owner, QBoxLayout *layout);

    void setDelegateLinks(bool delegate) { m_delegateLinks = delegate; }
    bool delegatesLinks() const { return m_delegateLinks; }
    int rejectedCertificates() const { return m_rejectedCertificates; }

signals:
    void linkClicked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    void rejectCertificate(const QWebEngineCertificateError &error);

    bool m_delegateLinks = false;
    int m_rejectedCertificates = 0;
};

#endif
