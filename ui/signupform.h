#ifndef SIGNUPFORM_H
#define SIGNUPFORM_H

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in dialog's sign-up page: e-mail, password and confirmation, the
// "Sign up" button, one error row and the line about the Terms of Service.
// It keeps one message per field (empty when the field is fine) and shows
// the first one; the dialog runs the checks and the registration.
class SignUpForm : public QWidget
{
    Q_OBJECT

public:
    enum Field { Email = 0, Password = 1, Confirmation = 2 };

    explicit SignUpForm(QWidget *parent = nullptr);

    QString email() const;
    QString password() const;
    QString confirmation() const;
    QLineEdit *field(Field which) const;

    // The messages per field: e-mail, password, confirmation.
    QStringList &messages() { return m_messages; }
    const QStringList &messages() const { return m_messages; }

    // Read-only fields and a disabled button while a request is in flight.
    void setBusy(bool busy);
    // "Signing up..." on the button while the checks run, else "Sign up".
    void setSigningUp(bool signingUp);
    // Shows the first non-empty message (focusing its field when asked);
    // hides the error row when there is none.
    void showFirstMessage(bool focusField);
    void showError(const QString &text);
    void hideError();

signals:
    void submitted();
    // The user left a field (focus moved on, not the window deactivated).
    void fieldLeft(SignUpForm::Field field);
    // The confirmation matches the password again while its message shows.
    void confirmationMatches();
    void termsClicked();
    // An error row appeared: the page may have grown.
    void errorShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_email = nullptr;
    QLineEdit *m_password = nullptr;
    QLineEdit *m_confirm = nullptr;
    QPushButton *m_button = nullptr;
    QWidget *m_errorRow = nullptr;
    QLabel *m_error = nullptr;
    QLabel *m_terms = nullptr;
    QStringList m_messages{QString(), QString(), QString()};
};

#endif
