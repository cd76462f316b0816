#ifndef AUTHORIZATIONWINDOW_H
#define AUTHORIZATIONWINDOW_H

#include "socialloginanswer.h"

#include <QDialog>
#include <QUrl>

class GuardedWebPage;
class LoadingCover;
class Titlebar;
class QNetworkAccessManager;
class QNetworkReply;
class QWebEngineView;

// Log-in through Facebook (mode 0) or Sina Weibo (mode 1): shows the
// provider's pages in an embedded browser and turns the outcome into a
// session of the account service. Accepted when a session was obtained;
// rejected otherwise, with failed() telling a transport or provider failure
// from a user who simply closed the window.
class AuthorizationWindow : public QDialog
{
    Q_OBJECT
public:
    enum Mode { Facebook = 0, SinaWeibo = 1 };

    explicit AuthorizationWindow(int mode, QWidget *parent = nullptr);
    ~AuthorizationWindow() override;

    int mode() const { return m_mode; }
    bool failed() const { return m_failed; }
    // The account answer that decided the outcome (empty until then).
    const SocialLoginAnswer &answer() const { return m_answer; }

    // The first page each mode opens.
    static QUrl facebookDialogUrl();
    static QUrl sinaLoginUrl();
    // Facebook sends the browser back here with the token in the fragment.
    static QString facebookSuccessPath() { return QStringLiteral("/connect/login_success.html"); }
    static QString facebookAppId() { return QStringLiteral("402913865571304"); }

    QWebEngineView *webView() const { return m_view; }
    bool loadingShown() const;

public slots:
    void slotLoadFinished(bool ok);
    void slotSaveUserInfo();
    void slotLogin();
    void slotClose();
    void slotMove(int x, int y);
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void requestGraph(const QString &tokenItem);
    void finishWithAnswer(const SocialLoginAnswer &answer, bool failOnBad);
    void fail();

    int m_mode;
    bool m_failed = false;
    bool m_finished = false;
    bool m_started = false;
    bool m_graphRequested = false;
    SocialLoginAnswer m_answer;
    Titlebar *m_titleBar = nullptr;
    QWebEngineView *m_view = nullptr;
    GuardedWebPage *m_page = nullptr;
    LoadingCover *m_loading = nullptr;
    QNetworkAccessManager *m_manager = nullptr;
    QNetworkReply *m_graphReply = nullptr;
    QNetworkReply *m_loginReply = nullptr;
};

#endif
