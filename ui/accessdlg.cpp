#include "accessdlg.h"

#include "accountstatus.h"
#include "appsettings.h"
#include "clientidentity.h"
#include "configfile.h"
#include "proxypanel.h"
#include "credentialrules.h"
#include "loginform.h"
#include "messagebox.h"
#include "rememberedlogin.h"
#include "serviceaddresses.h"
#include "signinbanner.h"
#include "signupform.h"
#include "iconbutton.h"
#include "titlebar.h"
#include "useraccess.h"
#include "usageevents.h"
#include "userinformation.h"
#include "userregister.h"
#include "authorizationwindow.h"
#include "themecolours.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolBox>
#include <QVBoxLayout>

using GammaLib::ServiceAddresses;

namespace {

bool g_justRegistered = false;

} // namespace

AccessDlg::AccessDlg(Mode mode, QWidget *parent)
    : QDialog(parent), m_mode(mode)
{
    setObjectName(QStringLiteral("AccessDlg"));
    setWindowTitle(QStringLiteral("Quillet"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedWidth(380);
    setStyleSheet(ThemeColours::themed(QStringLiteral(
        "AccessDlg{background:#ffffff;border:1px solid #c8c8c8;}"
        "QLineEdit{border:1px solid #c8c8c8;border-radius:3px;padding:0 6px;}"
        "QLineEdit:focus{border-color:#2b8a5e;}"
        "QPushButton#signUpButton,QPushButton#logInButton{background:#2b8a5e;color:white;"
        "border:none;border-radius:3px;font-weight:bold;}"
        "QPushButton#signUpButton:disabled,QPushButton#logInButton:disabled{background:#9cc9b4;}")));

    m_remembered = new RememberedLogin(AppSettings::preferenceConfig());
    m_register = new GammaLib::UserRegister(this);
    m_usage = new GammaLib::UserInformation(this);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(1, 1, 1, 1);
    outer->setSpacing(0);
    m_titleBar = new Titlebar(this);
    m_titleBar->setTitle(QStringLiteral("Quillet"));
    m_titleBar->minButton()->hide();
    connect(m_titleBar, &Titlebar::signalClose, this, &QWidget::close);
    connect(m_titleBar, &Titlebar::signalMove, this, [this](int x, int y) { move(x, y); });
    outer->addWidget(m_titleBar);
    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(8);
    outer->addLayout(layout, 1);

    // The banner appears above the pages once the resource host has it.
    m_banner = new SignInBanner(this);
    layout->addWidget(m_banner);
    connect(m_banner->retryTimer(), &QTimer::timeout, this, &AccessDlg::slotCheckLoadBanner);
    connect(m_banner, &SignInBanner::loadFinished, this, &AccessDlg::slotLoadFinished);
    connect(m_banner, &SignInBanner::linkClicked, this, &AccessDlg::slotLinkClicked);

    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("accessToolBox"));
    m_signUp = new SignUpForm;
    m_logIn = new LogInForm;
    m_proxyPage = new ProxyPanel;
    m_proxyPage->setObjectName(QStringLiteral("proxyPage"));
    m_toolBox->addItem(m_signUp, tr("Sign up"));
    m_toolBox->addItem(m_logIn, tr("Log in"));
    m_toolBox->addItem(m_proxyPage, tr("Proxy settings"));
    layout->addWidget(m_toolBox, 1);

    connect(m_signUp, &SignUpForm::submitted, this, &AccessDlg::slotCreateAccountClicked);
    connect(m_signUp, &SignUpForm::termsClicked, this, &AccessDlg::slotTermOfUseClicked);
    connect(m_signUp, &SignUpForm::errorShown, this, &AccessDlg::growForCurrentPage);
    connect(m_signUp, &SignUpForm::fieldLeft, this, [this](SignUpForm::Field field) {
        if (m_busy)
            return;
        m_submitting = false;
        if (field == SignUpForm::Email)
            checkEmail();
        else if (field == SignUpForm::Password)
            checkPassword();
        else
            confirmPassword();
    });
    connect(m_signUp, &SignUpForm::confirmationMatches, this, [this] {
        if (m_busy)
            return;
        m_signUp->messages()[SignUpForm::Confirmation].clear();
        slotShowTips();
    });
    connect(m_logIn, &LogInForm::submitted, this, &AccessDlg::slotLogin);
    connect(m_logIn, &LogInForm::fieldsChanged, this, &AccessDlg::slotEnableLoginButton);
    connect(m_logIn, &LogInForm::rememberMeToggled, this, &AccessDlg::slotRemMeToggled);
    connect(m_logIn, &LogInForm::forgotPasswordClicked, this, &AccessDlg::slotForgetPwdClicked);
    connect(m_logIn, &LogInForm::facebookClicked, this, &AccessDlg::slotFacebookLogin);
    connect(m_logIn, &LogInForm::sinaWeiboClicked, this, &AccessDlg::slotSinaWeiboLogin);
    connect(m_logIn, &LogInForm::errorShown, this, &AccessDlg::growForCurrentPage);
    connect(m_register, &GammaLib::UserRegister::ExistUserEmailFinished, this,
            &AccessDlg::slotEmailCheckFinished);
    connect(m_register, &GammaLib::UserRegister::RegisterFinished, this,
            &AccessDlg::slotRegisterFinished);
    connect(&GammaLib::UserAccess::instance(), &GammaLib::UserAccess::LoginFinished, this,
            &AccessDlg::slotLoginFinished);

    m_logIn->showRemembered(m_remembered->userName(), m_remembered->rememberMe());
    slotEnableLoginButton();
    // Returning users start on the log-in page.
    m_toolBox->setCurrentIndex(m_remembered->userName().isEmpty() ? SignUpPage : LogInPage);
    connect(m_toolBox, &QToolBox::currentChanged, this, &AccessDlg::slotCurrentChanged);
    slotCurrentChanged(m_toolBox->currentIndex());

    QTimer::singleShot(0, this, &AccessDlg::slotCheckLoadBanner);
    fitHeight();
}

AccessDlg::~AccessDlg()
{
    delete m_remembered;
}

bool AccessDlg::justRegistered()
{
    return g_justRegistered;
}

void AccessDlg::setJustRegistered(bool registered)
{
    g_justRegistered = registered;
}

QString AccessDlg::bannerPath() { return SignInBanner::bannerPath(); }
QString AccessDlg::bannerMarker() { return SignInBanner::bannerMarker(); }
void AccessDlg::setBannerRetryInterval(int ms) { m_banner->setRetryInterval(ms); }
int AccessDlg::bannerRetryInterval() const { return m_banner->retryInterval(); }
bool AccessDlg::passwordRemembered() const { return m_logIn->passwordRemembered(); }
QStringList AccessDlg::signUpMessages() const { return m_signUp->messages(); }
QWebEngineView *AccessDlg::bannerView() const { return m_banner->view(); }

// ---- pages ----

void AccessDlg::slotCurrentChanged(int index)
{
    for (int i = 0; i < m_toolBox->count(); ++i)
        m_toolBox->setItemIcon(i, style()->standardIcon(i == index ? QStyle::SP_ArrowDown
                                                                   : QStyle::SP_ArrowRight));
    if (index == SignUpPage)
        m_signUp->field(SignUpForm::Email)->setFocus();
    else if (index == ProxyPage)
        slotLoadProxy();
}

void AccessDlg::slotLoadProxy()
{
    m_proxyPage->load();
    m_proxyCounted = false;
}

void AccessDlg::slotSaveProxy()
{
    // Only a page the user opened is stored: its fields are the stored ones
    // plus what was typed.
    const int stored = m_proxyPage->save();
    if (stored >= 0 && !m_proxyCounted) {
        m_proxyCounted = true;
        logEvent(QLatin1String(GammaLib::UsageEvent::accessProxyEvent(stored)));
    }
}

void AccessDlg::hideEvent(QHideEvent *event)
{
    slotSaveProxy();
    QDialog::hideEvent(event);
}

// ---- banner ----

void AccessDlg::slotCheckLoadBanner() { m_banner->check(); }
void AccessDlg::slotCheckLoadFinished() { m_banner->checkFinished(); }

void AccessDlg::slotLoadFinished(bool ok)
{
    if (ok)
        QTimer::singleShot(500, this, &AccessDlg::slotShowWebView);
}

void AccessDlg::slotShowWebView()
{
    if (m_banner->isVisible())
        return;
    // Grow downwards and upwards alike, so the dialog stays centred.
    const QRect before = geometry();
    m_banner->show();
    fitHeight();
    move(before.x(), before.y() - (height() - before.height()) / 2);
}

void AccessDlg::fitHeight()
{
    // Not adjustSize(): it stops at two thirds of the screen, too little for
    // the taller lines of Chinese and Japanese text once the banner is up.
    ensurePolished();
    layout()->activate();
    int tallest = 0;
    for (int i = 0; i < m_toolBox->count(); ++i)
        tallest = qMax(tallest, m_toolBox->widget(i)->sizeHint().height());
    int wanted = sizeHint().height() + qMax(0, tallest - m_toolBox->currentWidget()->sizeHint().height());
    if (QScreen *shown = screen())
        wanted = qMin(wanted, shown->availableGeometry().height());
    resize(width(), qMax(wanted, minimumSizeHint().height()));
}

void AccessDlg::growForCurrentPage()
{
    // The tool box keeps each page in a scroll area that goes on reporting
    // the page's first size; a page grown since (an error message shown)
    // would hide its lower buttons behind a scroll bar. The dialog grows by
    // what is missing instead, as far as the screen allows.
    QWidget *current = m_toolBox->currentWidget();
    QWidget *viewport = current ? current->parentWidget() : nullptr;
    if (!viewport || !qobject_cast<QScrollArea *>(viewport->parentWidget()))
        return;
    layout()->activate();
    int needed = current->sizeHint().height();
    if (current->hasHeightForWidth())
        needed = qMax(needed, current->heightForWidth(viewport->width()));
    if (needed <= viewport->height())
        return;
    int wanted = height() + needed - viewport->height();
    if (QScreen *shown = screen())
        wanted = qMin(wanted, shown->availableGeometry().height());
    resize(width(), wanted);
}

void AccessDlg::slotLinkClicked(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void AccessDlg::openWebPage(const QString &path)
{
    QDesktopServices::openUrl(QUrl(ServiceAddresses::instance().url(ServiceAddresses::Web, path)));
}

void AccessDlg::slotTermOfUseClicked()
{
    openWebPage(QStringLiteral("/About/Termsofservice"));
}

void AccessDlg::slotForgetPwdClicked()
{
    logEvent(QLatin1String(GammaLib::UsageEvent::AccessForgotPwd));
    openWebPage(QStringLiteral("/Account/PasswordForgot"));
}

// ---- busy state and events ----

void AccessDlg::setBusy(bool busy)
{
    m_busy = busy;
    m_signUp->setBusy(busy);
    m_logIn->setBusy(busy);
}

void AccessDlg::logEvent(const QString &name)
{
    m_usage->LogEvent(name);
}

void AccessDlg::keyPressEvent(QKeyEvent *event)
{
    // Return belongs to the fields; it must not close the dialog.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

// ---- sign up ----

void AccessDlg::slotCreateAccountClicked()
{
    if (m_busy)
        return;
    logEvent(QLatin1String(GammaLib::UsageEvent::AccessRegister));
    setBusy(true);
    m_signUp->hideError();
    m_signUp->setSigningUp(true);
    m_submitting = true;
    checkEmail();
}

void AccessDlg::checkEmail()
{
    const QString email = m_signUp->email();
    if (!m_submitting && email.isEmpty()) {
        m_signUp->messages()[0].clear();
        slotShowTips();
        return;
    }
    if (CredentialRules::emailMatchesRule(email)) {
        m_register->ExistUserEmail(GammaLib::UserRegister::existUserEmailUrl(), email);
        return;
    }
    m_signUp->messages()[0] = tr("Invalid Email address.");
    slotShowTips();
}

void AccessDlg::slotEmailCheckFinished(bool exists)
{
    if (exists) {
        m_signUp->messages()[0] = tr("Email address already taken.");
        slotShowTips();
        return;
    }
    m_signUp->messages()[0].clear();
    if (m_submitting)
        checkPassword();
    else
        slotShowTips();
}

void AccessDlg::checkPassword()
{
    const QString password = m_signUp->password();
    if (!m_submitting && password.isEmpty()) {
        m_signUp->messages()[1].clear();
        slotShowTips();
        return;
    }
    m_signUp->messages()[1] = CredentialRules::passwordProblem(password);
    if (m_signUp->messages()[1].isEmpty() && m_submitting)
        confirmPassword();
    else
        slotShowTips();
}

void AccessDlg::confirmPassword()
{
    m_signUp->messages()[2] = CredentialRules::confirmationProblem(m_signUp->password(), m_signUp->confirmation());
    if (m_signUp->messages()[2].isEmpty() && m_submitting)
        sendRegistration();
    else
        slotShowTips();
}

void AccessDlg::sendRegistration()
{
    m_register->Register(GammaLib::UserRegister::registerUrl(), m_signUp->email(),
                         GammaLib::passwordHash(m_signUp->password()));
}

void AccessDlg::slotShowTips()
{
    m_signUp->setSigningUp(false);
    setBusy(false);
    m_signUp->showFirstMessage(m_submitting);
}

void AccessDlg::slotRegisterFinished(int code)
{
    if (code == -1) {
        setJustRegistered(true);
        logEvent(QLatin1String(GammaLib::UsageEvent::AccessRegister2Login));
        startLogin(m_signUp->email(), GammaLib::passwordHash(m_signUp->password()));
        return;
    }
    m_signUp->showError(tr("Connection error. Check out your network status and proxy setup, and try again."));
    m_signUp->setSigningUp(false);
    setBusy(false);
}

// ---- log in ----

void AccessDlg::slotEnableLoginButton()
{
    m_logIn->updateButton(m_busy);
}

void AccessDlg::slotLogin()
{
    if (m_busy || !m_logIn->canLogIn())
        return;
    logEvent(QLatin1String(GammaLib::UsageEvent::AccessLogin));
    m_logIn->showError(LogInForm::NoError);

    if (CredentialRules::tooShortForLogin(m_logIn->userName().trimmed())) {
        m_logIn->showError(LogInForm::CombinationError);
        m_logIn->userField()->setFocus();
        return;
    }
    if (CredentialRules::tooShortForLogin(m_logIn->password())) {
        m_logIn->showError(LogInForm::CombinationError);
        m_logIn->clearPassword();
        m_logIn->passwordField()->setFocus();
        return;
    }
    const QString hash = m_logIn->passwordRemembered() ? m_remembered->passwordHash()
                                                       : GammaLib::passwordHash(m_logIn->password());
    m_remembered->forgetNoteTokenIfOtherUser(m_logIn->userName());
    startLogin(m_logIn->userName(), hash);
}

void AccessDlg::startLogin(const QString &userName, const QString &hash)
{
    setBusy(true);
    m_loginUser = userName;
    m_loginHash = hash;
    m_loginPending = true;
    GammaLib::UserAccess::instance().Login(GammaLib::UserAccess::loginUrl(), userName, hash,
                                           GammaLib::clientCodeName());
}

void AccessDlg::slotLoginFinished(int code)
{
    if (!m_loginPending)
        return;
    m_loginPending = false;
    // A "Success" without a session key is no sign-in: the program could
    // not make a single request on the user's behalf with it.
    if (code == -1 && GammaLib::UserAccess::instance().sessionKey().isEmpty())
        code = 0;
    if (code == -1) {
        m_remembered->storeSuccessfulLogin(m_loginUser, m_logIn->rememberMe(), m_loginHash);
        setBusy(false);
        accept();
        return;
    }
    setBusy(false);
    m_signUp->setSigningUp(false);
    if (code == 2100) {
        m_logIn->showError(LogInForm::TimeoutError);
        return;
    }
    m_logIn->clearPassword();
    m_logIn->showError(LogInForm::CombinationError);
    m_logIn->passwordField()->setFocus();
}

void AccessDlg::slotRemMeToggled(bool checked)
{
    if (!checked)
        m_remembered->forgetRememberMe();
}

// ---- social log-in ----

void AccessDlg::slotFacebookLogin()
{
    logEvent(QLatin1String(GammaLib::UsageEvent::AccessFacebook));
    socialLogin(AuthorizationWindow::Facebook);
}

void AccessDlg::slotSinaWeiboLogin()
{
    socialLogin(AuthorizationWindow::SinaWeibo);
}

void AccessDlg::socialLogin(int mode)
{
    if (m_busy)
        return;
    setBusy(true);
    AuthorizationWindow window(mode, this);
    const bool signedIn = window.exec() == QDialog::Accepted;
    setBusy(false);
    if (signedIn) {
        accept();
        return;
    }
    if (window.failed())
        MessageBox::inform(nullptr, tr("Connection error. Please retry."));
}

// ---- closing ----

void AccessDlg::reject()
{
    // The proxy page is saved (and counted) before the events leave.
    slotSaveProxy();
    uploadAnonymousEvents();
    QDialog::reject();
}

void AccessDlg::uploadAnonymousEvents()
{
    if (m_eventsUploaded)
        return;
    m_eventsUploaded = true;
    m_usage->UploadEventsInBlock(GammaLib::UserInformation::anonymousSessionKey());
}
