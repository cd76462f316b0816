#ifndef LOGINFORM_H
#define LOGINFORM_H

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The sign-in dialog's log-in page: user and password, "Remember me",
// "Forgot password?", the "Log in" button, the social log-in buttons (Facebook,
// or Sina Weibo in Chinese) and the two error messages. A remembered password
// stands in the field as a placeholder until the user clicks into it.
class LogInForm : public QWidget
{
    Q_OBJECT

public:
    enum Error { NoError, CombinationError, TimeoutError };

    explicit LogInForm(QWidget *parent = nullptr);

    QString userName() const;
    QString password() const;
    QLineEdit *userField() const { return m_user; }
    QLineEdit *passwordField() const { return m_password; }
    bool rememberMe() const;

    // The last user and, with remember-me, the placeholder for the stored hash.
    void showRemembered(const QString &userName, bool rememberMe);
    bool passwordRemembered() const { return m_passwordRemembered; }
    // Empties the password field; a remembered password is gone.
    void clearPassword();

    void setBusy(bool busy);
    // The button only with a user name and a password, and not while busy.
    void updateButton(bool busy);
    bool canLogIn() const;
    void showError(Error error);

signals:
    void submitted();
    void rememberMeToggled(bool checked);
    void forgotPasswordClicked();
    void facebookClicked();
    void sinaWeiboClicked();
    void fieldsChanged();
    // An error appeared: the page may have grown.
    void errorShown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPushButton *makeButton(const QString &text, const QString &objectName);

    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QCheckBox *m_rememberMe = nullptr;
    QLabel *m_forgotPassword = nullptr;
    QPushButton *m_button = nullptr;
    QPushButton *m_facebook = nullptr;
    QPushButton *m_sina = nullptr;
    QWidget *m_errorRow = nullptr;
    QLabel *m_combinationError = nullptr;
    QLabel *m_timeoutError = nullptr;
    bool m_passwordRemembered = false;
};

#endif
