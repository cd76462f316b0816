#include "signupform.h"

#include "credentialrules.h"
#include "formfields.h"
#include "serviceaddresses.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using GammaLib::ServiceAddresses;

// The page is part of the sign-in dialog, and its texts are the dialog's.

SignUpForm::SignUpForm(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("signUpPage"));
    auto *layout = new QVBoxLayout(this);
    layout->setSpacing(8);
    m_email = FormFields::makeField(QStringLiteral("signUpEmail"),
                                    QCoreApplication::translate("AccessDlg", "email"), false, this);
    m_password = FormFields::makeField(QStringLiteral("signUpPassword"),
                                       QCoreApplication::translate("AccessDlg", "password"), true, this);
    m_confirm = FormFields::makeField(QStringLiteral("signUpConfirm"),
                                      QCoreApplication::translate("AccessDlg", "confirm password"), true, this);
    for (QLineEdit *field : {m_email, m_password, m_confirm}) {
        field->installEventFilter(this);
        layout->addWidget(field);
        connect(field, &QLineEdit::returnPressed, this, &SignUpForm::submitted);
    }
    // "Passwords did not match" goes as soon as they match, not only when
    // the field is left.
    for (QLineEdit *field : {m_password, m_confirm}) {
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (m_messages.at(Confirmation).isEmpty()
                || !CredentialRules::confirmationProblem(m_password->text(), m_confirm->text()).isEmpty())
                return;
            emit confirmationMatches();
        });
    }

    m_button = new QPushButton(QCoreApplication::translate("AccessDlg", "Sign up"), this);
    m_button->setObjectName(QStringLiteral("signUpButton"));
    m_button->setMinimumHeight(32);
    m_button->setDefault(false);
    m_button->setAutoDefault(false);
    connect(m_button, &QPushButton::clicked, this, &SignUpForm::submitted);
    layout->addWidget(m_button);

    m_errorRow = new QWidget(this);
    m_errorRow->setObjectName(QStringLiteral("signUpErrorRow"));
    auto *row = new QHBoxLayout(m_errorRow);
    row->setContentsMargins(0, 0, 0, 0);
    m_error = FormFields::makeErrorLabel(QStringLiteral("signUpError"), QString(), m_errorRow);
    row->addWidget(m_error);
    m_errorRow->hide();
    layout->addWidget(m_errorRow);

    const QString terms =
        ServiceAddresses::instance().url(ServiceAddresses::Web, QStringLiteral("/About/Termsofservice"));
    m_terms = new QLabel(QCoreApplication::translate(
                             "AccessDlg",
                             "By clicking the button above, you agree to our <a href=\"%1\">Terms of Service</a>.")
                             .arg(terms),
                         this);
    m_terms->setObjectName(QStringLiteral("termsLabel"));
    m_terms->setTextFormat(Qt::RichText);
    m_terms->setWordWrap(true);
    m_terms->setOpenExternalLinks(false);
    connect(m_terms, &QLabel::linkActivated, this, &SignUpForm::termsClicked);
    layout->addWidget(m_terms);
    layout->addStretch(1);
}

QString SignUpForm::email() const { return m_email->text(); }
QString SignUpForm::password() const { return m_password->text(); }
QString SignUpForm::confirmation() const { return m_confirm->text(); }

QLineEdit *SignUpForm::field(Field which) const
{
    return which == Email ? m_email : which == Password ? m_password : m_confirm;
}

void SignUpForm::setBusy(bool busy)
{
    for (QLineEdit *field : {m_email, m_password, m_confirm})
        field->setReadOnly(busy);
    m_button->setEnabled(!busy);
}

void SignUpForm::setSigningUp(bool signingUp)
{
    m_button->setText(signingUp ? QCoreApplication::translate("AccessDlg", "Signing up...")
                                : QCoreApplication::translate("AccessDlg", "Sign up"));
}

void SignUpForm::showFirstMessage(bool focusField)
{
    for (int i = 0; i < m_messages.size(); ++i) {
        if (m_messages.at(i).isEmpty())
            continue;
        showError(m_messages.at(i));
        if (focusField)
            field(Field(i))->setFocus();
        return;
    }
    hideError();
}

void SignUpForm::showError(const QString &text)
{
    m_error->setText(text);
    m_errorRow->show();
    emit errorShown();
}

void SignUpForm::hideError()
{
    m_errorRow->hide();
}

bool SignUpForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && FormFields::movedOn(event)) {
        if (watched == m_email)
            emit fieldLeft(Email);
        else if (watched == m_password)
            emit fieldLeft(Password);
        else if (watched == m_confirm)
            emit fieldLeft(Confirmation);
    }
    return QWidget::eventFilter(watched, event);
}
