#include "loginform.h"

#include "currentlanguage.h"
#include "formfields.h"
#include "rememberedlogin.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

// The page is part of the sign-in dialog, and its texts are the dialog's.

LogInForm::LogInForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("logInPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    m_user = FormFields::makeField(QStringLiteral("logInUser"),
                                   QCoreApplication::translate("AccessDlg", "username/email"), false, this);
    m_password = FormFields::makeField(QStringLiteral("logInPassword"),
                                       QCoreApplication::translate("AccessDlg", "password"), true, this);
    for (QLineEdit *field : {m_user, m_password}) {
        field->installEventFilter(this);
        layout->addWidget(field);
        connect(field, &QLineEdit::returnPressed, this, &LogInForm::submitted);
        connect(field, &QLineEdit::textChanged, this, &LogInForm::fieldsChanged);
    }

    auto *options = new QHBoxLayout;
    m_rememberMe = new QCheckBox(QCoreApplication::translate("AccessDlg", "Remember me"), this);
    m_rememberMe->setObjectName(QStringLiteral("rememberMe"));
    connect(m_rememberMe, &QCheckBox::toggled, this, &LogInForm::rememberMeToggled);
    m_forgotPassword = new QLabel(
        QStringLiteral("<a href=\"#\">%1</a>").arg(QCoreApplication::translate("AccessDlg", "Forgot password?")), this);
    m_forgotPassword->setObjectName(QStringLiteral("forgotPassword"));
    m_forgotPassword->setTextFormat(Qt::RichText);
    m_forgotPassword->setCursor(Qt::PointingHandCursor);
    m_forgotPassword->installEventFilter(this);
    options->addWidget(m_rememberMe);
    options->addStretch(1);
    options->addWidget(m_forgotPassword);
    layout->addLayout(options);

    m_button = makeButton(QCoreApplication::translate("AccessDlg", "Log in"), QStringLiteral("logInButton"));
    connect(m_button, &QPushButton::clicked, this, &LogInForm::submitted);
    layout->addWidget(m_button);

    m_errorRow = new QWidget(this);
    m_errorRow->setObjectName(QStringLiteral("logInErrorRow"));
    auto *errors = new QVBoxLayout(m_errorRow);
    errors->setContentsMargins(0, 0, 0, 0);
    m_combinationError = FormFields::makeErrorLabel(
        QStringLiteral("combinationError"),
        QCoreApplication::translate("AccessDlg", "Incorrect username/password combination."), m_errorRow);
    m_timeoutError = FormFields::makeErrorLabel(
        QStringLiteral("timeoutError"),
        QCoreApplication::translate("AccessDlg", "Request timed out. Please retry. You may need to diagnose your "
                                                 "network connection if the problem lingers."),
        m_errorRow);
    errors->addWidget(m_combinationError);
    errors->addWidget(m_timeoutError);
    m_combinationError->hide();
    m_timeoutError->hide();
    m_errorRow->hide();
    layout->addWidget(m_errorRow);

    auto *orLabel = new QLabel(QCoreApplication::translate("AccessDlg", "or"), this);
    orLabel->setObjectName(QStringLiteral("orLabel"));
    orLabel->setAlignment(Qt::AlignCenter);
    layout->addWidget(orLabel);

    m_facebook = makeButton(QCoreApplication::translate("AccessDlg", "Log in with Facebook"),
                            QStringLiteral("facebookButton"));
    m_facebook->setStyleSheet(
        QStringLiteral("QPushButton{background:#3b5998;color:white;border:none;border-radius:3px;}"
                       "QPushButton:disabled{background:#8b9dc3;}"));
    connect(m_facebook, &QPushButton::clicked, this, &LogInForm::facebookClicked);
    layout->addWidget(m_facebook);

    m_sina = makeButton(QCoreApplication::translate("AccessDlg", "Sina Weibo"), QStringLiteral("sinaButton"));
    connect(m_sina, &QPushButton::clicked, this, &LogInForm::sinaWeiboClicked);
    layout->addWidget(m_sina);

    const bool chinese = GammaLib::currentLanguage() == QLatin1String("zh-CN");
    m_facebook->setVisible(!chinese);
    m_sina->setVisible(chinese);
    layout->addStretch(1);
}

QPushButton *LogInForm::makeButton(const QString &text, const QString &objectName)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(objectName);
    button->setMinimumHeight(32);
    button->setAutoDefault(false);
    return button;
}

QString LogInForm::userName() const { return m_user->text(); }
QString LogInForm::password() const { return m_password->text(); }
bool LogInForm::rememberMe() const { return m_rememberMe->isChecked(); }

void LogInForm::showRemembered(const QString &userName, bool rememberMe)
{
    if (rememberMe) {
        const QSignalBlocker block(m_rememberMe);
        m_rememberMe->setChecked(true);
        m_password->setText(RememberedLogin::placeholder());
        m_passwordRemembered = true;
    }
    m_user->setText(userName);
}

void LogInForm::clearPassword()
{
    m_password->clear();
    m_passwordRemembered = false;
}

void LogInForm::setBusy(bool busy)
{
    for (QLineEdit *field : {m_user, m_password})
        field->setReadOnly(busy);
    for (QPushButton *button : {m_facebook, m_sina})
        button->setEnabled(!busy);
    m_rememberMe->setEnabled(!busy);
    updateButton(busy);
}

void LogInForm::updateButton(bool busy)
{
    m_button->setEnabled(!busy && !m_user->text().trimmed().isEmpty() && !m_password->text().isEmpty());
}

bool LogInForm::canLogIn() const
{
    return m_button->isEnabled();
}

void LogInForm::showError(Error error)
{
    m_combinationError->setVisible(error == CombinationError);
    m_timeoutError->setVisible(error == TimeoutError);
    m_errorRow->setVisible(error != NoError);
    if (error != NoError)
        emit errorShown();
}

bool LogInForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_user) {
            QTimer::singleShot(0, m_user, &QLineEdit::selectAll);
        } else if (watched == m_password && m_passwordRemembered) {
            // A remembered user who clicks in must type the password.
            clearPassword();
        }
    } else if (event->type() == QEvent::MouseButtonPress && watched == m_forgotPassword) {
        emit forgotPasswordClicked();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
