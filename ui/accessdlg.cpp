#include "accessdlg.h"

#include "accountstatus.h"
#include "appsettings.h"
#include "clientidentity.h"
#include "configfile.h"
#include "proxypanel.h"
#include "credentialrules.h"
#include "currentlanguage.h"
#include "guardedwebpage.h"
#include "messagebox.h"
#include "rememberedlogin.h"
#include "serviceaddresses.h"
#include "iconbutton.h"
#include "titlebar.h"
#include "webviewsupport.h"
#include "useraccess.h"
#include "usageevents.h"
#include "userinformation.h"
#include "userregister.h"
#include "authorizationwindow.h"
#include "themecolours.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QToolBox>
#include <QVBoxLayout>
#include <QWebEngineSettings>
#include <QWebEngineView>

using GammaLib::ServiceAddresses;

namespace {

bool g_justRegistered = false;


QLineEdit *makeField(const QString &objectName, const QString &placeholder, bool secret,
                     QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setPlaceholderText(placeholder);
    // No label beside the field: its hint is its name for screen readers.
    field->setAccessibleName(placeholder);
    field->setMinimumHeight(30);
    if (secret)
        field->setEchoMode(QLineEdit::Password);
    return field;
}

QLabel *makeErrorLabel(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color:#d9534f;"));
    return label;
}

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
    m_bannerArea = new QWidget(this);
    m_bannerArea->setObjectName(QStringLiteral("bannerArea"));
    auto *bannerLayout = new QVBoxLayout(m_bannerArea);
    bannerLayout->setContentsMargins(0, 0, 0, 0);
    m_bannerArea->hide();
    layout->addWidget(m_bannerArea);

    m_toolBox = new QToolBox(this);
    m_toolBox->setObjectName(QStringLiteral("accessToolBox"));
    auto *signUp = new QWidget;
    signUp->setObjectName(QStringLiteral("signUpPage"));
    auto *logIn = new QWidget;
    logIn->setObjectName(QStringLiteral("logInPage"));
    m_proxyPage = new ProxyPanel;
    m_proxyPage->setObjectName(QStringLiteral("proxyPage"));
    buildSignUpPage(signUp);
    buildLogInPage(logIn);
    m_toolBox->addItem(signUp, tr("Sign up"));
    m_toolBox->addItem(logIn, tr("Log in"));
    m_toolBox->addItem(m_proxyPage, tr("Proxy settings"));
    layout->addWidget(m_toolBox, 1);

    connect(m_register, &GammaLib::UserRegister::ExistUserEmailFinished, this,
            &AccessDlg::slotEmailCheckFinished);
    connect(m_register, &GammaLib::UserRegister::RegisterFinished, this,
            &AccessDlg::slotRegisterFinished);
    connect(&GammaLib::UserAccess::instance(), &GammaLib::UserAccess::LoginFinished, this,
            &AccessDlg::slotLoginFinished);

    loadRememberedLogin();
    // Returning users start on the log-in page.
    m_toolBox->setCurrentIndex(m_remembered->userName().isEmpty() ? SignUpPage : LogInPage);
    connect(m_toolBox, &QToolBox::currentChanged, this, &AccessDlg::slotCurrentChanged);
    slotCurrentChanged(m_toolBox->currentIndex());

    m_manager = new QNetworkAccessManager(this);
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setSingleShot(true);
    connect(m_bannerTimer, &QTimer::timeout, this, &AccessDlg::slotCheckLoadBanner);
    QTimer::singleShot(0, this, &AccessDlg::slotCheckLoadBanner);
    fitHeight();
}

AccessDlg::~AccessDlg()
{
    if (m_bannerReply) {
        m_bannerReply->disconnect(this);
        m_bannerReply->abort();
        m_bannerReply->deleteLater();
    }
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

void AccessDlg::setBannerRetryInterval(int ms)
{
    m_bannerRetryMs = ms;
    if (m_bannerTimer->isActive())
        m_bannerTimer->start(ms);
}

void AccessDlg::buildSignUpPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(8);
    m_email = makeField(QStringLiteral("signUpEmail"), tr("email"), false, page);
    m_password = makeField(QStringLiteral("signUpPassword"), tr("password"), true, page);
    m_confirm = makeField(QStringLiteral("signUpConfirm"), tr("confirm password"), true, page);
    for (QLineEdit *field : {m_email, m_password, m_confirm}) {
        field->installEventFilter(this);
        layout->addWidget(field);
        connect(field, &QLineEdit::returnPressed, this, &AccessDlg::slotCreateAccountClicked);
    }
    // "Passwords did not match" goes as soon as they match, not only when
    // the field is left.
    for (QLineEdit *field : {m_password, m_confirm}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (m_busy || m_slots.at(2).isEmpty()
                || !CredentialRules::confirmationProblem(m_password->text(), m_confirm->text()).isEmpty())
                return;
            m_slots[2].clear();
            slotShowTips();
        });
    }

    m_signUpButton = new QPushButton(tr("Sign up"), page);
    m_signUpButton->setObjectName(QStringLiteral("signUpButton"));
    m_signUpButton->setMinimumHeight(32);
    m_signUpButton->setDefault(false);
    m_signUpButton->setAutoDefault(false);
    connect(m_signUpButton, &QPushButton::clicked, this, &AccessDlg::slotCreateAccountClicked);
    layout->addWidget(m_signUpButton);

    m_signUpErrorRow = new QWidget(page);
    m_signUpErrorRow->setObjectName(QStringLiteral("signUpErrorRow"));
    auto *row = new QHBoxLayout(m_signUpErrorRow);
    row->setContentsMargins(0, 0, 0, 0);
    m_signUpError = makeErrorLabel(QStringLiteral("signUpError"), QString(), m_signUpErrorRow);
    row->addWidget(m_signUpError);
    m_signUpErrorRow->hide();
    layout->addWidget(m_signUpErrorRow);

    const QString terms =
        ServiceAddresses::instance().url(ServiceAddresses::Web, QStringLiteral("/About/Termsofservice"));
    m_terms = new QLabel(
        tr("By clicking the button above, you agree to our <a href=\"%1\">Terms of Service</a>.")
            .arg(terms),
        page);
    m_terms->setObjectName(QStringLiteral("termsLabel"));
    m_terms->setTextFormat(Qt::RichText);
    m_terms->setWordWrap(true);
    m_terms->setOpenExternalLinks(false);
    connect(m_terms, &QLabel::linkActivated, this, &AccessDlg::slotTermOfUseClicked);
    layout->addWidget(m_terms);
    layout->addStretch(1);
}

void AccessDlg::buildLogInPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(8);
    m_user = makeField(QStringLiteral("logInUser"), tr("username/email"), false, page);
    m_loginPassword = makeField(QStringLiteral("logInPassword"), tr("password"), true, page);
    for (QLineEdit *field : {m_user, m_loginPassword}) {
        field->installEventFilter(this);
        layout->addWidget(field);
        connect(field, &QLineEdit::returnPressed, this, &AccessDlg::slotLogin);
        connect(field, &QLineEdit::textChanged, this, &AccessDlg::slotEnableLoginButton);
    }

    auto *options = new QHBoxLayout;
    m_rememberMe = new QCheckBox(tr("Remember me"), page);
    m_rememberMe->setObjectName(QStringLiteral("rememberMe"));
    connect(m_rememberMe, &QCheckBox::toggled, this, &AccessDlg::slotRemMeToggled);
    m_forgotPassword = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(tr("Forgot password?")), page);
    m_forgotPassword->setObjectName(QStringLiteral("forgotPassword"));
    m_forgotPassword->setTextFormat(Qt::RichText);
    m_forgotPassword->setCursor(Qt::PointingHandCursor);
    m_forgotPassword->installEventFilter(this);
    options->addWidget(m_rememberMe);
    options->addStretch(1);
    options->addWidget(m_forgotPassword);
    layout->addLayout(options);

    m_loginButton = new QPushButton(tr("Log in"), page);
    m_loginButton->setObjectName(QStringLiteral("logInButton"));
    m_loginButton->setMinimumHeight(32);
    m_loginButton->setAutoDefault(false);
    connect(m_loginButton, &QPushButton::clicked, this, &AccessDlg::slotLogin);
    layout->addWidget(m_loginButton);

    m_loginErrorRow = new QWidget(page);
    m_loginErrorRow->setObjectName(QStringLiteral("logInErrorRow"));
    auto *errors = new QVBoxLayout(m_loginErrorRow);
    errors->setContentsMargins(0, 0, 0, 0);
    m_combinationError = makeErrorLabel(QStringLiteral("combinationError"),
                                        tr("Incorrect username/password combination."),
                                        m_loginErrorRow);
    m_timeoutError = makeErrorLabel(
        QStringLiteral("timeoutError"),
        tr("Request timed out. Please retry. You may need to diagnose your network connection if "
           "the problem lingers."),
        m_loginErrorRow);
    errors->addWidget(m_combinationError);
    errors->addWidget(m_timeoutError);
    m_combinationError->hide();
    m_timeoutError->hide();
    m_loginErrorRow->hide();
    layout->addWidget(m_loginErrorRow);

    auto *orLabel = new QLabel(tr("or"), page);
    orLabel->setObjectName(QStringLiteral("orLabel"));
    orLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(orLabel);

    m_facebookButton = new QPushButton(tr("Log in with Facebook"), page);
    m_facebookButton->setObjectName(QStringLiteral("facebookButton"));
    m_facebookButton->setMinimumHeight(32);
    m_facebookButton->setAutoDefault(false);
    m_facebookButton->setStyleSheet(
        QStringLiteral("QPushButton{background:#3b5998;color:white;border:none;border-radius:3px;}"
                       "QPushButton:disabled{background:#8b9dc3;}"));
    connect(m_facebookButton, &QPushButton::clicked, this, &AccessDlg::slotFacebookLogin);
    layout->addWidget(m_facebookButton);

    m_sinaButton = new QPushButton(tr("Sina Weibo"), page);
    m_sinaButton->setObjectName(QStringLiteral("sinaButton"));
    m_sinaButton->setMinimumHeight(32);
    m_sinaButton->setAutoDefault(false);
    connect(m_sinaButton, &QPushButton::clicked, this, &AccessDlg::slotSinaWeiboLogin);
    layout->addWidget(m_sinaButton);

    const bool chinese = GammaLib::currentLanguage() == QLatin1String("zh-CN");
    m_facebookButton->setVisible(!chinese);
    m_sinaButton->setVisible(chinese);
    layout->addStretch(1);
}

void AccessDlg::loadRememberedLogin()
{
    if (m_remembered->rememberMe()) {
        const QSignalBlocker block(m_rememberMe);
        m_rememberMe->setChecked(true);
        m_loginPassword->setText(RememberedLogin::placeholder());
        m_rememberedPassword = true;
    }
    m_user->setText(m_remembered->userName());
    slotEnableLoginButton();
}

// ---- pages ----

void AccessDlg::slotCurrentChanged(int index)
{
    for (int i = 0; i < m_toolBox->count(); ++i)
        m_toolBox->setItemIcon(i, style()->standardIcon(i == index ? QStyle::SP_ArrowDown
                                                                   : QStyle::SP_ArrowRight));
    if (index == SignUpPage)
        m_email->setFocus();
    else if (index == ProxyPage)
        slotLoadProxy();
}

void AccessDlg::slotLoadProxy()
{
    m_proxyPage->load();
}

void AccessDlg::slotSaveProxy()
{
    // Only a page the user opened is stored: its fields are the stored ones
    // plus what was typed.
    m_proxyPage->save();
}

void AccessDlg::hideEvent(QHideEvent *event)
{
    slotSaveProxy();
    QDialog::hideEvent(event);
}

// ---- banner ----

void AccessDlg::slotCheckLoadBanner()
{
    if (m_bannerReply)
        return;
    const QUrl url(ServiceAddresses::instance().url(ServiceAddresses::Resource, bannerPath()));
    m_bannerReply = m_manager->get(QNetworkRequest(url));
    connect(m_bannerReply, &QNetworkReply::finished, this, &AccessDlg::slotCheckLoadFinished);
}

void AccessDlg::slotCheckLoadFinished()
{
    QNetworkReply *reply = m_bannerReply;
    m_bannerReply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const QByteArray body = reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
    if (!QString::fromUtf8(body).contains(bannerMarker())) {
        m_bannerTimer->start(m_bannerRetryMs);
        return;
    }
    m_bannerTimer->stop();
    if (!WebViewSupport::available())
        return;
    if (!m_bannerView) {
        // Adding the first web view re-creates the native window, which can
        // lose its place on the screen.
        const QPoint placed = pos();
        m_bannerView = new QWebEngineView(m_bannerArea);
        m_bannerView->setObjectName(QStringLiteral("bannerView"));
        m_bannerPage = new GuardedWebPage(m_bannerView);
        m_bannerPage->setDelegateLinks(true);
        m_bannerView->setPage(m_bannerPage);
        m_bannerView->setContextMenuPolicy(Qt::NoContextMenu);
        m_bannerView->settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
        m_bannerView->setFixedHeight(140);
        m_bannerArea->layout()->addWidget(m_bannerView);
        move(placed);
        connect(m_bannerView, &QWebEngineView::loadFinished, this, &AccessDlg::slotLoadFinished);
        connect(m_bannerPage, &GuardedWebPage::linkClicked, this, &AccessDlg::slotLinkClicked);
    }
    m_bannerView->load(reply->url());
}

void AccessDlg::slotLoadFinished(bool ok)
{
    if (ok)
        QTimer::singleShot(500, this, &AccessDlg::slotShowWebView);
}

void AccessDlg::slotShowWebView()
{
    if (m_bannerArea->isVisible())
        return;
    // Grow downwards and upwards alike, so the dialog stays centred.
    const QRect before = geometry();
    m_bannerArea->show();
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
    for (QLineEdit *field : {m_email, m_password, m_confirm, m_user, m_loginPassword})
        field->setReadOnly(busy);
    for (QPushButton *button : {m_signUpButton, m_facebookButton, m_sinaButton})
        button->setEnabled(!busy);
    m_rememberMe->setEnabled(!busy);
    slotEnableLoginButton();
}

void AccessDlg::logEvent(const QString &name)
{
    m_usage->LogEvent(name);
}

bool AccessDlg::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut: {
        // Only the user moving on counts, not the window losing focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const bool movedOn = reason != Qt::ActiveWindowFocusReason
                             && reason != Qt::PopupFocusReason;
        if (movedOn && !m_busy
            && (watched == m_email || watched == m_password || watched == m_confirm)) {
            m_submitting = false;
            if (watched == m_email)
                checkEmail();
            else if (watched == m_password)
                checkPassword();
            else
                confirmPassword();
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == m_user) {
            QTimer::singleShot(0, m_user, &QLineEdit::selectAll);
        } else if (watched == m_loginPassword && m_rememberedPassword) {
            m_rememberedPassword = false;
            m_loginPassword->clear();
        }
        break;
    case QEvent::MouseButtonPress:
        if (watched == m_forgotPassword) {
            slotForgetPwdClicked();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
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
    m_signUpErrorRow->hide();
    m_signUpButton->setText(tr("Signing up..."));
    m_submitting = true;
    checkEmail();
}

void AccessDlg::checkEmail()
{
    const QString email = m_email->text();
    if (!m_submitting && email.isEmpty()) {
        m_slots[0].clear();
        slotShowTips();
        return;
    }
    if (CredentialRules::emailMatchesRule(email)) {
        m_register->ExistUserEmail(GammaLib::UserRegister::existUserEmailUrl(), email);
        return;
    }
    m_slots[0] = tr("Invalid Email address.");
    slotShowTips();
}

void AccessDlg::slotEmailCheckFinished(bool exists)
{
    if (exists) {
        m_slots[0] = tr("Email address already taken.");
        slotShowTips();
        return;
    }
    m_slots[0].clear();
    if (m_submitting)
        checkPassword();
    else
        slotShowTips();
}

void AccessDlg::checkPassword()
{
    const QString password = m_password->text();
    if (!m_submitting && password.isEmpty()) {
        m_slots[1].clear();
        slotShowTips();
        return;
    }
    m_slots[1] = CredentialRules::passwordProblem(password);
    if (m_slots[1].isEmpty() && m_submitting)
        confirmPassword();
    else
        slotShowTips();
}

void AccessDlg::confirmPassword()
{
    m_slots[2] = CredentialRules::confirmationProblem(m_password->text(), m_confirm->text());
    if (m_slots[2].isEmpty() && m_submitting)
        sendRegistration();
    else
        slotShowTips();
}

void AccessDlg::sendRegistration()
{
    m_register->Register(GammaLib::UserRegister::registerUrl(), m_email->text(),
                         GammaLib::passwordHash(m_password->text()));
}

void AccessDlg::slotShowTips()
{
    m_signUpButton->setText(tr("Sign up"));
    setBusy(false);
    QLineEdit *fields[] = {m_email, m_password, m_confirm};
    for (int i = 0; i < 3; ++i) {
        if (m_slots.at(i).isEmpty())
            continue;
        m_signUpError->setText(m_slots.at(i));
        m_signUpErrorRow->show();
        growForCurrentPage();
        if (m_submitting)
            fields[i]->setFocus();
        return;
    }
    m_signUpErrorRow->hide();
}

void AccessDlg::slotRegisterFinished(int code)
{
    if (code == -1) {
        setJustRegistered(true);
        logEvent(QLatin1String(GammaLib::UsageEvent::AccessRegister2Login));
        startLogin(m_email->text(), GammaLib::passwordHash(m_password->text()));
        return;
    }
    m_signUpError->setText(
        tr("Connection error. Check out your network status and proxy setup, and try again."));
    m_signUpErrorRow->show();
    growForCurrentPage();
    m_signUpButton->setText(tr("Sign up"));
    setBusy(false);
}

// ---- log in ----

void AccessDlg::slotEnableLoginButton()
{
    m_loginButton->setEnabled(!m_busy && !m_user->text().trimmed().isEmpty()
                              && !m_loginPassword->text().isEmpty());
}

void AccessDlg::showLoginError(QLabel *label)
{
    m_combinationError->setVisible(label == m_combinationError);
    m_timeoutError->setVisible(label == m_timeoutError);
    m_loginErrorRow->setVisible(label != nullptr);
    // The dialog grows with the message rather than hiding the buttons
    // below it behind a scroll bar.
    if (label)
        growForCurrentPage();
}

void AccessDlg::slotLogin()
{
    if (m_busy || !m_loginButton->isEnabled())
        return;
    logEvent(QLatin1String(GammaLib::UsageEvent::AccessLogin));
    showLoginError(nullptr);

    if (CredentialRules::tooShortForLogin(m_user->text().trimmed())) {
        showLoginError(m_combinationError);
        m_user->setFocus();
        return;
    }
    if (CredentialRules::tooShortForLogin(m_loginPassword->text())) {
        showLoginError(m_combinationError);
        m_loginPassword->clear();
        m_rememberedPassword = false;
        m_loginPassword->setFocus();
        return;
    }
    const QString hash = m_rememberedPassword ? m_remembered->passwordHash()
                                              : GammaLib::passwordHash(m_loginPassword->text());
    m_remembered->forgetNoteTokenIfOtherUser(m_user->text());
    startLogin(m_user->text(), hash);
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
        m_remembered->storeSuccessfulLogin(m_loginUser, m_rememberMe->isChecked(), m_loginHash);
        setBusy(false);
        accept();
        return;
    }
    setBusy(false);
    m_signUpButton->setText(tr("Sign up"));
    if (code == 2100) {
        showLoginError(m_timeoutError);
        return;
    }
    m_loginPassword->clear();
    m_rememberedPassword = false;
    showLoginError(m_combinationError);
    m_loginPassword->setFocus();
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
