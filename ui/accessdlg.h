#ifndef ACCESSDLG_H
#define ACCESSDLG_H

#include <QDialog>
#include <QStringList>
#include <QUrl>

class QToolBox;
class QWebEngineView;
class LogInForm;
class ProxyPanel;
class RememberedLogin;
class SignInBanner;
class SignUpForm;
class Titlebar;

namespace GammaLib {
class UserInformation;
class UserRegister;
}

// The sign-in dialog: sign up, log in (with remember-me), forgotten password,
// terms, the proxy page, the banner, and log-in through Facebook or Sina
// Weibo. Accepted only once the account service has handed out a session
// key; the caller then reads the user name and the key from
// GammaLib::UserAccess. The pages (SignUpForm, LogInForm, ProxyPanel) and
// the banner (SignInBanner) are widgets of their own; the dialog runs the
// checks and the requests between them.
class AccessDlg : public QDialog
{
    Q_OBJECT
public:
    // At start-up the dialog stands alone; after a log-out (or an expired
    // session) it is shown over the main window.
    enum Mode { StartUp, AfterLogout };
    enum Page { SignUpPage = 0, LogInPage = 1, ProxyPage = 2 };

    explicit AccessDlg(Mode mode = StartUp, QWidget *parent = nullptr);
    ~AccessDlg() override;

    Mode mode() const { return m_mode; }

    // Set once a registration succeeded in this process; the main window
    // greets new users with it.
    static bool justRegistered();
    static void setJustRegistered(bool registered);

    // The banner page on the resource host and the text that marks it as ours.
    static QString bannerPath();
    static QString bannerMarker();
    // Pause before the banner is asked for again (30000 ms).
    void setBannerRetryInterval(int ms);
    int bannerRetryInterval() const;

    ProxyPanel *proxyPanel() const { return m_proxyPage; }

    bool isBusy() const { return m_busy; }
    bool isSubmitting() const { return m_submitting; }
    bool passwordRemembered() const;
    // The three sign-up messages: e-mail, password, confirmation.
    QStringList signUpMessages() const;
    // The usage events this dialog has counted.
    GammaLib::UserInformation *usage() const { return m_usage; }
    QWebEngineView *bannerView() const;
    Titlebar *titleBar() const { return m_titleBar; }

public slots:
    void slotCurrentChanged(int index);
    void slotCheckLoadBanner();
    void slotCheckLoadFinished();
    void slotLoadFinished(bool ok);
    void slotShowWebView();
    void slotTermOfUseClicked();
    void slotCreateAccountClicked();
    void slotEmailCheckFinished(bool exists);
    void slotRegisterFinished(int code);
    void slotShowTips();
    void confirmPassword();
    void slotForgetPwdClicked();
    void slotLogin();
    void slotFacebookLogin();
    void slotSinaWeiboLogin();
    void slotLoginFinished(int code);
    void slotRemMeToggled(bool checked);
    void slotEnableLoginButton();
    void slotLinkClicked(const QUrl &url);
    // The proxy page belongs to the proxy settings: loading its fields when
    // the page is chosen, saving them (and counting the kind saved) when the
    // dialog hides or is closed.
    void slotLoadProxy();
    void slotSaveProxy();
    void reject() override;

protected:
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Tall enough for the tallest page without scrolling, within the screen.
    void growForCurrentPage();
    void fitHeight();
    void checkEmail();
    void checkPassword();
    void sendRegistration();
    void startLogin(const QString &userName, const QString &hash);
    void setBusy(bool busy);
    void logEvent(const QString &name);
    void openWebPage(const QString &path);
    void socialLogin(int mode);
    void uploadAnonymousEvents();

    Mode m_mode;
    bool m_busy = false;
    bool m_submitting = false;
    bool m_loginPending = false;
    bool m_eventsUploaded = false;
    bool m_proxyCounted = false; // the proxy page's event of this opening is counted
    QString m_loginUser;
    QString m_loginHash;

    Titlebar *m_titleBar = nullptr;
    QToolBox *m_toolBox = nullptr;
    SignInBanner *m_banner = nullptr;
    SignUpForm *m_signUp = nullptr;
    LogInForm *m_logIn = nullptr;
    ProxyPanel *m_proxyPage = nullptr;

    RememberedLogin *m_remembered = nullptr;
    GammaLib::UserRegister *m_register = nullptr;
    GammaLib::UserInformation *m_usage = nullptr;
};

#endif
