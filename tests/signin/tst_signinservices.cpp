// Whole sign-in flows against the local product services, with fake Facebook
// hosts on loopback, and the sign-in steps of start-up and log-out.
#include "accessdlg.h"
#include "accountstatus.h"
#include "appsettings.h"
#include "authorizationwindow.h"
#include "configfile.h"
#include "fakeproviders.h"
#include "localservices.h"
#include "serviceaddresses.h"
#include "signinsession.h"
#include "startupsteps.h"
#include "useraccess.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBox>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using GammaLib::ServiceAddresses;
using GammaLib::UserAccess;

class TestSignInServices : public QObject
{
    Q_OBJECT
private:
    LocalServices m_services;
    FakeProviders *m_providers = nullptr;
    const QString m_password = QStringLiteral("correct-horse");

    template <typename T>
    static T *child(QWidget *dialog, const char *name)
    {
        T *found = dialog->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->clear();
        QTest::keyClicks(field, text);
    }

    static bool open(AccessDlg &dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        return QTest::qWaitForWindowActive(&dialog);
    }

    static bool accepted(const QDialog &dialog)
    {
        return dialog.result() == QDialog::Accepted && !dialog.isVisible();
    }

    static bool sessionValid()
    {
        return UserAccess::instance().IsUserLoginInBlock();
    }

    // Runs a step once the next modal dialog is up.
    template <typename Step>
    static void whenModal(Step step)
    {
        auto *timer = new QTimer;
        timer->setInterval(20);
        QObject::connect(timer, &QTimer::timeout, [timer, step] {
            if (auto *dialog = qobject_cast<AccessDlg *>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                step(dialog);
            }
        });
        timer->start();
    }

    static void logIn(AccessDlg *dialog, const QString &user, const QString &password)
    {
        dialog->findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        type(child<QLineEdit>(dialog, "logInUser"), user);
        type(child<QLineEdit>(dialog, "logInPassword"), password);
        child<QPushButton>(dialog, "logInButton")->click();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_services.start(), qPrintable(m_services.errorOutput()));
        m_providers = new FakeProviders(this);
        QVERIFY(m_providers->isListening());
    }

    void init()
    {
        m_services.pointServiceTableHere();
        m_providers->pointProvidersHere();
        UserAccess::instance().clear();
        ConfigFile &prefs = AppSettings::preferenceConfig();
        prefs.setValue(QStringLiteral("rem_me"), QStringLiteral("False"));
        prefs.setValue(QStringLiteral("str_user"), QString());
        prefs.save();
    }

    void signUpLandsSignedIn()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(&dialog, "signUpEmail"), QStringLiteral("first.user@example.com"));
        type(child<QLineEdit>(&dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(&dialog, "signUpConfirm"), m_password);
        child<QPushButton>(&dialog, "signUpButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 15000);
        QVERIFY(AccessDlg::justRegistered());
        QVERIFY(!UserAccess::instance().sessionKey().isEmpty());
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("first.user@example.com"));
        QVERIFY(sessionValid());
    }

    void knownAddressIsTaken()
    {
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("taken@example.com"), m_password).isEmpty());
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(&dialog, "signUpEmail"), QStringLiteral("taken@example.com"));
        type(child<QLineEdit>(&dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(&dialog, "signUpConfirm"), m_password);
        child<QPushButton>(&dialog, "signUpButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 15000);
        QCOMPARE(child<QLabel>(&dialog, "signUpError")->text(), QStringLiteral("Email address already taken."));
        QVERIFY(dialog.isVisible());
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
    }

    void knownAddressWithAPlusIsTaken()
    {
        const QString address = QStringLiteral("plus+one@example.com");
        {
            AccessDlg dialog;
            QVERIFY(open(dialog));
            type(child<QLineEdit>(&dialog, "signUpEmail"), address);
            type(child<QLineEdit>(&dialog, "signUpPassword"), m_password);
            type(child<QLineEdit>(&dialog, "signUpConfirm"), m_password);
            child<QPushButton>(&dialog, "signUpButton")->click();
            QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 15000);
            QCOMPARE(UserAccess::instance().userName(), address);
        }
        UserAccess::instance().clear();
        // The second sign-up stops at the e-mail check, which sends the plus
        // sign unescaped.
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::SignUpPage);
        type(child<QLineEdit>(&dialog, "signUpEmail"), address);
        type(child<QLineEdit>(&dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(&dialog, "signUpConfirm"), m_password);
        child<QPushButton>(&dialog, "signUpButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 15000);
        QCOMPARE(child<QLabel>(&dialog, "signUpError")->text(), QStringLiteral("Email address already taken."));
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
    }

    void wrongPasswordThenRememberedLogIn()
    {
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("rem@example.com"), m_password).isEmpty());
        UserAccess::instance().clear();
        {
            AccessDlg dialog;
            QVERIFY(open(dialog));
            logIn(&dialog, QStringLiteral("rem@example.com"), QStringLiteral("not-my-password"));
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 15000);
            QVERIFY(child<QLabel>(&dialog, "combinationError")->isVisible());
            QCOMPARE(child<QLineEdit>(&dialog, "logInPassword")->text(), QString());

            child<QCheckBox>(&dialog, "rememberMe")->setChecked(true);
            type(child<QLineEdit>(&dialog, "logInPassword"), m_password);
            child<QPushButton>(&dialog, "logInButton")->click();
            QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 15000);
        }
        QCOMPARE(AppSettings::preferenceConfig().value(QStringLiteral("str_pwd")), GammaLib::passwordHash(m_password));
        UserAccess::instance().clear();
        AccessDlg dialog;
        QVERIFY(open(dialog));
        QCOMPARE(child<QLineEdit>(&dialog, "logInPassword")->text(), QStringLiteral("******"));
        child<QPushButton>(&dialog, "logInButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 15000);
        QVERIFY(sessionValid());
    }

    void servicesDownShowsTheTimeOutLabel()
    {
        LocalServices doomed;
        QVERIFY(doomed.start());
        doomed.pointServiceTableHere();
        doomed.stop();
        AccessDlg dialog;
        QVERIFY(open(dialog));
        logIn(&dialog, QStringLiteral("someone@example.com"), m_password);
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 15000);
        QVERIFY(child<QLabel>(&dialog, "timeoutError")->isVisible());
        QVERIFY(!child<QLabel>(&dialog, "combinationError")->isVisible());
    }

    void facebookFlowOpensASession()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        QTimer::singleShot(0, child<QPushButton>(&dialog, "facebookButton"), &QPushButton::click);
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 30000);
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("Ann Lee"));
        QVERIFY(sessionValid());
    }

    void facebookNameWithAccentsReachesTheAccount()
    {
        const QByteArray before = m_providers->meAnswer;
        m_providers->meAnswer = "{\"id\":\"4242\",\"name\":\"Jos\u00e9 N\u00fa\u00f1ez\"}";
        AuthorizationWindow window(AuthorizationWindow::Facebook);
        const int result = window.exec();
        m_providers->meAnswer = before;
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("Jos\u00e9 N\u00fa\u00f1ez"));
        QVERIFY(sessionValid());
    }

    void sinaPagesOpenASession()
    {
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("wei@example.com"), m_password).isEmpty());
        UserAccess::instance().clear();
        ServiceAddresses::instance().setHost(ServiceAddresses::Sina, m_services.host());
        AuthorizationWindow window(AuthorizationWindow::SinaWeibo);
        // The user fills in the service's page and sends it.
        bool submitted = false;
        connect(window.webView(), &QWebEngineView::loadFinished, this, [&](bool ok) {
            if (!ok || submitted || !window.webView()->url().path().endsWith(QLatin1String("LoginBySina.ashx")))
                return;
            submitted = true;
            window.webView()->page()->runJavaScript(
                QStringLiteral("document.querySelector('input[name=userName]').value='wei@example.com';"
                               "document.querySelector('input[name=password]').value='%1';"
                               "document.querySelector('form').submit();")
                    .arg(m_password));
        });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(submitted);
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("wei@example.com"));
        QVERIFY(sessionValid());
    }

    void startUpStepAndLogOut()
    {
        QVERIFY(!m_services.registerAndLogIn(QStringLiteral("start@example.com"), m_password).isEmpty());
        UserAccess::instance().clear();

        // Closing the dialog at start-up means: do not start.
        whenModal([](AccessDlg *dialog) {
            QCOMPARE(dialog->mode(), AccessDlg::StartUp);
            dialog->close();
        });
        QVERIFY(!StartupSteps::signIn());

        whenModal([this](AccessDlg *dialog) { logIn(dialog, QStringLiteral("start@example.com"), m_password); });
        QVERIFY(StartupSteps::signIn());
        const QString first = UserAccess::instance().sessionKey();
        QVERIFY(!first.isEmpty());

        // After a log-out the dialog comes up over the main window, without
        // the old identity.
        QWidget mainWindow;
        mainWindow.show();
        whenModal([this, &mainWindow](AccessDlg *dialog) {
            QCOMPARE(dialog->mode(), AccessDlg::AfterLogout);
            QCOMPARE(dialog->parentWidget(), &mainWindow);
            QVERIFY(UserAccess::instance().sessionKey().isEmpty());
            logIn(dialog, QStringLiteral("start@example.com"), m_password);
        });
        QVERIFY(SignInSession::runAfterLogout(&mainWindow));
        QVERIFY(!UserAccess::instance().sessionKey().isEmpty());
        QVERIFY(UserAccess::instance().sessionKey() != first);

        whenModal([](AccessDlg *dialog) { dialog->close(); });
        QVERIFY(!SignInSession::runAfterLogout(&mainWindow));
    }
};

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    TestSignInServices test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_signinservices.moc"
