#ifndef SIGNINBANNER_H
#define SIGNINBANNER_H

#include <QUrl>
#include <QWidget>

class GuardedWebPage;
class QNetworkAccessManager;
class QNetworkReply;
class QTimer;
class QWebEngineView;

// The banner above the sign-in dialog's pages: the banner page is fetched
// from the resource host and, when it is ours (it carries the marker), shown
// in a web view; otherwise it is asked for again after a pause. Hidden until
// the dialog shows it.
class SignInBanner : public QWidget
{
    Q_OBJECT

public:
    explicit SignInBanner(QWidget *parent = nullptr);
    ~SignInBanner() override;

    // The banner page on the resource host and the text that marks it as ours.
    static QString bannerPath() { return QStringLiteral("/client/banner.htm"); }
    static QString bannerMarker() { return QStringLiteral("<title>jQuery Quillet</title>"); }

    void setRetryInterval(int ms);
    int retryInterval() const { return m_retryMs; }
    QWebEngineView *view() const { return m_view; }
    QTimer *retryTimer() const { return m_timer; }

    // Asks for the banner page (not while a request is on its way).
    void check();
    // The answer to check().
    void checkFinished();

signals:
    // The view finished loading the banner page.
    void loadFinished(bool ok);
    void linkClicked(const QUrl &url);

private:
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_reply = nullptr;
    QTimer *m_timer = nullptr;
    QWebEngineView *m_view = nullptr;
    GuardedWebPage *m_page = nullptr;
    int m_retryMs = 30000;
};

#endif
