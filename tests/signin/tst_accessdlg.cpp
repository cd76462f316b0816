// The sign-in dialog driven as a user would, against a small account service
// and fake log-in providers on loopback.
#include "accessdlg.h"
#include "accountstatus.h"
#include "appsettings.h"
#include "authorizationwindow.h"
#include "configfile.h"
#include "currentlanguage.h"
#include "fakeproviders.h"
#include "messagebox.h"
#include "proxypanel.h"
#include "serviceaddresses.h"
#include "useraccess.h"
#include "userinformation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkProxy>
#include <QPushButton>
#include <QStyle>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBox>
#include <QWebEngineView>
#include <QtTest>

using GammaLib::ServiceAddresses;
using GammaLib::UserAccess;

// Records what the dialog asks the system browser to open.
class BrowserRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

// Closes message boxes as they come up and keeps their texts.
class MessageBoxWatcher : public QObject
{
    Q_OBJECT
public:
    QStringList texts;
    MessageBoxWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            for (QWidget *widget : QApplication::topLevelWidgets()) {
                auto *box = qobject_cast<MessageBox *>(widget);
                if (box && box->isVisible()) {
                    texts.append(box->text());
                    box->accept();
                }
            }
        });
        m_timer.start(20);
    }
private:
    QTimer m_timer;
};

class TestAccessDlg : public QObject
{
    Q_OBJECT
private:
    FakeProviders *m_fake = nullptr;
    const QString m_password = QStringLiteral("Tr0ub4dor&3");

    template <typename T>
    static T *child(AccessDlg &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no child %s", name);
        return found;
    }

    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::MouseFocusReason);
        field->clear();
        bool ascii = true;
        for (QChar c : text)
            ascii = ascii && c.unicode() < 128;
        if (ascii)
            QTest::keyClicks(field, text);
        else
            field->insert(text); // the test library types ASCII only
    }

    // Shows the dialog as the active window, so focus moves as for a user.
    static bool open(AccessDlg &dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        return QTest::qWaitForWindowActive(&dialog);
    }

    static bool accepted(const AccessDlg &dialog)
    {
        return dialog.result() == QDialog::Accepted && !dialog.isVisible();
    }

    static ConfigFile &prefs() { return AppSettings::preferenceConfig(); }

    void addAccount(const QString &user, const QString &password)
    {
        m_fake->accounts.insert(user, GammaLib::passwordHash(password));
    }

    QByteArray preferenceFile() const
    {
        QFile file(prefs().filePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        // Fresh providers for every case: no answer set by one case is seen
        // by the next.
        delete m_fake;
        m_fake = new FakeProviders(this);
        QVERIFY(m_fake->isListening());
        m_fake->pointEverythingHere();
        // No banner unless a case serves one.
        m_fake->setReply("/client/banner.htm", FakeProviders::page("<html><head><title>-</title></head></html>"));
        UserAccess::instance().clear();
        AccessDlg::setJustRegistered(false);
        GammaLib::currentLanguage() = QStringLiteral("en");
        prefs().setValue(QStringLiteral("rem_me"), QStringLiteral("False"));
        prefs().setValue(QStringLiteral("str_user"), QString());
        prefs().clearValue(QStringLiteral("str_pwd"));
        prefs().save();
    }

    // ---- proxy page ----

    void proxyPageStoresOnlyWhenOpened()
    {
        prefs().setValue(QStringLiteral("proxy_type"), QStringLiteral("2"));
        prefs().setValue(QStringLiteral("proxy_socks5_host"), QStringLiteral("socks.example"));
        {
            // Never opened: hiding the dialog keeps the stored proxy.
            AccessDlg dialog;
            dialog.show();
            dialog.hide();
            QCOMPARE(prefs().value(QStringLiteral("proxy_type")), QStringLiteral("2"));
        }
        AccessDlg dialog;
        dialog.show();
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::ProxyPage);
        ProxyPanel *panel = dialog.proxyPanel();
        QCOMPARE(panel->serverField()->text(), QStringLiteral("socks.example"));
        panel->typeBox()->setCurrentIndex(1);
        panel->serverField()->setText(QStringLiteral("http.example"));
        panel->portField()->setText(QStringLiteral("3128"));
        dialog.hide();
        QCOMPARE(prefs().value(QStringLiteral("proxy_type")), QStringLiteral("1"));
        QCOMPARE(prefs().value(QStringLiteral("proxy_http_host")), QStringLiteral("http.example"));
        QCOMPARE(prefs().value(QStringLiteral("proxy_socks5_host")), QStringLiteral("socks.example"));
        QCOMPARE(QNetworkProxy::applicationProxy().hostName(), QStringLiteral("http.example"));
        // Back to no proxy for the other cases.
        prefs().setValue(QStringLiteral("proxy_type"), QStringLiteral("0"));
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    }

    // Saving the proxy page counts one event for the kind stored: HTTP or
    // SOCKS5 without a server is stored (and counted) as no proxy.
    void proxyPageCountsTheKindSaved_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("server");
        QTest::addColumn<QString>("event");
        QTest::newRow("none") << 0 << QString() << QStringLiteral("QL_Access_Proxy_None");
        QTest::newRow("http") << 1 << QStringLiteral("http.example") << QStringLiteral("QL_Access_Proxy_HTTP");
        QTest::newRow("socks5") << 2 << QStringLiteral("socks.example") << QStringLiteral("QL_Access_Proxy_Socks");
        QTest::newRow("system") << 3 << QString() << QStringLiteral("QL_Access_Proxy_System");
        QTest::newRow("http without server") << 1 << QString() << QStringLiteral("QL_Access_Proxy_None");
    }

    void proxyPageCountsTheKindSaved()
    {
        QFETCH(int, type);
        QFETCH(QString, server);
        QFETCH(QString, event);
        const QStringList names{"QL_Access_Proxy_None", "QL_Access_Proxy_HTTP", "QL_Access_Proxy_Socks",
                                "QL_Access_Proxy_System"};
        {
            // A page never opened is neither saved nor counted.
            AccessDlg dialog;
            dialog.show();
            dialog.hide();
            for (const QString &name : names)
                QCOMPARE(dialog.usage()->events().value(name), 0);
        }
        AccessDlg dialog;
        dialog.show();
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::ProxyPage);
        ProxyPanel *panel = dialog.proxyPanel();
        panel->typeBox()->setCurrentIndex(type);
        panel->serverField()->setText(server);
        dialog.hide();
        for (const QString &name : names)
            QCOMPARE(dialog.usage()->events().value(name), name == event ? 1 : 0);
        // Shown and hidden again without opening the page anew: still once.
        dialog.show();
        dialog.hide();
        QCOMPARE(dialog.usage()->events().value(event), 1);
        prefs().setValue(QStringLiteral("proxy_type"), QStringLiteral("0"));
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    }

    // Closing the dialog saves the proxy page before the events leave, so a
    // user who never signs in still reports the proxy kind.
    void closingSendsTheProxyEvent()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::ProxyPage);
        ProxyPanel *panel = dialog.proxyPanel();
        // The system's settings, which name no proxy here: the upload that
        // follows still reaches the service directly.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
        panel->typeBox()->setCurrentIndex(3);
        m_fake->clearRequests();
        QVERIFY(dialog.close());
        const auto uploads = m_fake->requests("/NotPublic/UserCountBulkAdd.ashx");
        QCOMPARE(uploads.size(), 1);
        QCOMPARE(FakeProviders::formValue(uploads.at(0).body, QStringLiteral("data")),
                 QStringLiteral("QL_Access_Proxy_System:1;"));
        prefs().setValue(QStringLiteral("proxy_type"), QStringLiteral("0"));
        QNetworkProxyFactory::setUseSystemConfiguration(false);
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
    }

    // ---- sign up ----

    void signUpWithANewAddressLandsSignedIn()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        QCOMPARE(dialog.findChild<QToolBox *>()->currentIndex(), int(AccessDlg::SignUpPage));
        type(child<QLineEdit>(dialog, "signUpEmail"), QStringLiteral("new.user@example.com"));
        type(child<QLineEdit>(dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(dialog, "signUpConfirm"), m_password);
        auto *button = child<QPushButton>(dialog, "signUpButton");
        button->click();
        QCOMPARE(button->text(), QStringLiteral("Signing up..."));
        QVERIFY(dialog.isBusy());
        QVERIFY(child<QLineEdit>(dialog, "signUpEmail")->isReadOnly());
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);

        QCOMPARE(UserAccess::instance().sessionKey(), QStringLiteral("SESSION-1"));
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("new.user@example.com"));
        QVERIFY(AccessDlg::justRegistered());
        const QList<RecordingHttpServer::Request> sent = m_fake->requests();
        QStringList paths;
        for (const auto &request : sent)
            if (!request.path().startsWith("/client/"))
                paths << QString::fromLatin1(request.path());
        QCOMPARE(paths, (QStringList{QStringLiteral("/register/DoesEmailExist.ashx"),
                                     QStringLiteral("/register/register.ashx"),
                                     QStringLiteral("/Login-new.ashx")}));
        const QByteArray registration = m_fake->requests("/register/register.ashx").at(0).body;
        QCOMPARE(FakeProviders::formValue(registration, QStringLiteral("p")), GammaLib::passwordHash(m_password));
        QVERIFY(!registration.contains(m_password.toUtf8()));
        const QMap<QString, int> events = dialog.usage()->events();
        QCOMPARE(events.value(QStringLiteral("QL_Access_Register")), 1);
        QCOMPARE(events.value(QStringLiteral("QL_Access_Register2Login")), 1);
        QCOMPARE(prefs().value(QStringLiteral("str_user")), QStringLiteral("new.user@example.com"));
    }

    void knownAddressStopsTheChain()
    {
        addAccount(QStringLiteral("ann@example.com"), m_password);
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "signUpEmail"), QStringLiteral("ann@example.com"));
        type(child<QLineEdit>(dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(dialog, "signUpConfirm"), m_password);
        m_fake->clearRequests();
        child<QPushButton>(dialog, "signUpButton")->click();
        auto *error = child<QLabel>(dialog, "signUpError");
        QTRY_VERIFY(!dialog.isBusy());
        QVERIFY(child<QWidget>(dialog, "signUpErrorRow")->isVisible());
        QCOMPARE(error->text(), QStringLiteral("Email address already taken."));
        QCOMPARE(child<QPushButton>(dialog, "signUpButton")->text(), QStringLiteral("Sign up"));
        // The chain stopped at the e-mail: no registration although the
        // passwords were fine.
        QVERIFY(m_fake->requests("/register/register.ashx").isEmpty());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "signUpEmail"));
        QVERIFY(dialog.isVisible());
    }

    void passwordRulesOnSignUp_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::newRow("16 ASCII") << QStringLiteral("abcdefgh12345678") << QString();
        QTest::newRow("17 ASCII") << QStringLiteral("abcdefgh123456789")
                                  << QStringLiteral("Password must be no more than 16 characters in length.");
        QTest::newRow("accented") << QStringLiteral("p\u00e4ssword12")
                                  << QStringLiteral("Your password contains invalid character(s). "
                                                    "Please use ASCII characters only.");
    }
    void passwordRulesOnSignUp()
    {
        QFETCH(QString, password);
        QFETCH(QString, message);
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "signUpEmail"), QStringLiteral("rules@example.com"));
        type(child<QLineEdit>(dialog, "signUpPassword"), password);
        type(child<QLineEdit>(dialog, "signUpConfirm"), password);
        m_fake->clearRequests();
        child<QPushButton>(dialog, "signUpButton")->click();
        if (message.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);
            QCOMPARE(m_fake->requests("/register/register.ashx").size(), 1);
            return;
        }
        QTRY_VERIFY(!dialog.isBusy());
        QCOMPARE(child<QLabel>(dialog, "signUpError")->text(), message);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "signUpPassword"));
        QVERIFY(m_fake->requests("/register/register.ashx").isEmpty());
    }

    void leavingFieldsChecksThemAlone()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        auto *email = child<QLineEdit>(dialog, "signUpEmail");
        auto *password = child<QLineEdit>(dialog, "signUpPassword");
        auto *confirm = child<QLineEdit>(dialog, "signUpConfirm");
        auto *error = child<QLabel>(dialog, "signUpError");
        auto *row = child<QWidget>(dialog, "signUpErrorRow");

        type(email, QStringLiteral("not an address"));
        password->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(row->isVisible());
        QCOMPARE(error->text(), QStringLiteral("Invalid Email address."));
        QVERIFY(!dialog.isSubmitting());

        // Emptied and left again: the message goes rather than a new one coming.
        email->setFocus(Qt::TabFocusReason);
        email->clear();
        password->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(!row->isVisible());
        QCOMPARE(dialog.signUpMessages().at(0), QString());

        QTest::keyClicks(password, QStringLiteral("abc"));
        confirm->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(error->text(), QStringLiteral("Password must be at least 6 characters in length."));
        type(password, QStringLiteral("abcdef"));
        type(confirm, QStringLiteral("abcdeX"));
        email->setFocus(Qt::TabFocusReason);
        // Nothing is sent while fields are checked one by one.
        QTRY_COMPARE(error->text(), QStringLiteral("Passwords did not match. Please try again."));
        QVERIFY(m_fake->requests("/register/register.ashx").isEmpty());
        QVERIFY(!dialog.isBusy());
        // Put right in the field: the message goes at once.
        confirm->setFocus(Qt::TabFocusReason);
        confirm->end(false);
        QTest::keyClick(confirm, Qt::Key_Backspace);
        QVERIFY(row->isVisible());
        QTest::keyClicks(confirm, QStringLiteral("f"));
        QVERIFY(!row->isVisible());
        QCOMPARE(dialog.signUpMessages().at(2), QString());
    }

    // An error message makes the dialog taller: no scroll bar appears on the
    // page and the buttons under the message stay in sight.
    void errorMessagesKeepTheButtonsInSight()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        auto *facebook = child<QPushButton>(dialog, "facebookButton");
        QScrollArea *page = nullptr;
        for (QWidget *w = facebook->parentWidget(); w && !page; w = w->parentWidget())
            page = qobject_cast<QScrollArea *>(w);
        QVERIFY(page);
        // As on a real screen: the page just fits, with no room to spare.
        QCoreApplication::processEvents();
        const int spare = page->viewport()->height() - page->widget()->sizeHint().height();
        dialog.resize(dialog.width(), dialog.height() - spare);
        QCoreApplication::processEvents();
        QVERIFY(!page->verticalScrollBar()->isVisible());
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("abcde"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QCoreApplication::processEvents();
        QVERIFY(!page->verticalScrollBar()->isVisible());
        QVERIFY(facebook->isVisible());
        QCOMPARE(facebook->visibleRegion().boundingRect(), facebook->rect());
    }

    void registrationFailureShowsTheConnectionMessage()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "signUpEmail"), QStringLiteral("late@example.com"));
        type(child<QLineEdit>(dialog, "signUpPassword"), m_password);
        type(child<QLineEdit>(dialog, "signUpConfirm"), m_password);
        // The address is taken between the check and the registration.
        m_fake->setReply("/register/register.ashx", "0400");
        child<QPushButton>(dialog, "signUpButton")->click();
        QTRY_VERIFY(!dialog.isBusy());
        QCOMPARE(child<QLabel>(dialog, "signUpError")->text(),
                 QStringLiteral("Connection error. Check out your network status and proxy setup, "
                                "and try again."));
        QVERIFY(!AccessDlg::justRegistered());
        QVERIFY(dialog.isVisible());
        m_fake->pointEverythingHere();
    }

    // ---- log in ----

    void fiveCharacterUserNameIsRefusedLocally()
    {
        addAccount(QStringLiteral("abcdef"), m_password);
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        auto *user = child<QLineEdit>(dialog, "logInUser");
        auto *button = child<QPushButton>(dialog, "logInButton");
        QVERIFY(!button->isEnabled());
        type(user, QStringLiteral("  abcde "));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        QVERIFY(button->isEnabled());
        m_fake->clearRequests();
        button->click();
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QCOMPARE(child<QLabel>(dialog, "combinationError")->text(),
                 QStringLiteral("Incorrect username/password combination."));
        QCOMPARE(QApplication::focusWidget(), user);
        QTest::qWait(300);
        QVERIFY(m_fake->requests("/Login-new.ashx").isEmpty());
        QVERIFY(!dialog.isBusy());

        // Six characters are sent.
        type(user, QStringLiteral("abcdef"));
        button->click();
        QVERIFY(!child<QLabel>(dialog, "combinationError")->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);
        QCOMPARE(m_fake->requests("/Login-new.ashx").size(), 1);
        QCOMPARE(dialog.usage()->events().value(QStringLiteral("QL_Access_Login")), 2);
    }

    void shortPasswordIsRefusedLocally()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("someone@example.com"));
        auto *password = child<QLineEdit>(dialog, "logInPassword");
        type(password, QStringLiteral("12345"));
        m_fake->clearRequests();
        QTest::keyClick(password, Qt::Key_Return);
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QCOMPARE(password->text(), QString());
        QCOMPARE(QApplication::focusWidget(), password);
        QVERIFY(m_fake->requests("/Login-new.ashx").isEmpty());
        QVERIFY(dialog.isVisible());
    }

    void wrongPasswordClearsTheField()
    {
        addAccount(QStringLiteral("ann@example.com"), m_password);
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        auto *user = child<QLineEdit>(dialog, "logInUser");
        auto *password = child<QLineEdit>(dialog, "logInPassword");
        type(user, QStringLiteral("ann@example.com"));
        type(password, QStringLiteral("wrong-password"));
        child<QPushButton>(dialog, "logInButton")->click();
        QVERIFY(dialog.isBusy());
        QVERIFY(password->isReadOnly());
        QTRY_VERIFY(!dialog.isBusy());
        QCOMPARE(password->text(), QString());
        QCOMPARE(user->text(), QStringLiteral("ann@example.com"));
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QVERIFY(!child<QLabel>(dialog, "timeoutError")->isVisible());
        QCOMPARE(QApplication::focusWidget(), password);
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
        QVERIFY(dialog.isVisible());
    }

    void successWithoutASessionKeyIsRefused()
    {
        addAccount(QStringLiteral("ann@example.com"), m_password);
        m_fake->setReply("/Login-new.ashx", "Success|KEY|ann@example.com|extra");
        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("ann@example.com"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        QTRY_VERIFY(!dialog.isBusy());
        QVERIFY(dialog.isVisible());
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
    }

    void servicesDownShowsTheTimeOutLabel()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString deadHost = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
        closed.close();
        ServiceAddresses::instance().setProductHosts(deadHost);

        AccessDlg dialog;
        QVERIFY(open(dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("ann@example.com"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.isBusy(), 15000);
        QVERIFY(child<QLabel>(dialog, "timeoutError")->isVisible());
        QVERIFY(child<QWidget>(dialog, "logInErrorRow")->isVisible());
        QVERIFY(!child<QLabel>(dialog, "combinationError")->isVisible());
        // The fields keep their text for the retry.
        QCOMPARE(child<QLineEdit>(dialog, "logInPassword")->text(), m_password);
        QVERIFY(dialog.isVisible());
    }

    void rememberMeRoundTrip()
    {
        addAccount(QStringLiteral("ann@example.com"), m_password);
        const QString hash = GammaLib::passwordHash(m_password);
        {
            AccessDlg dialog;
            QVERIFY(open(dialog));
            dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
            type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("ann@example.com"));
            type(child<QLineEdit>(dialog, "logInPassword"), m_password);
            child<QCheckBox>(dialog, "rememberMe")->setChecked(true);
            child<QPushButton>(dialog, "logInButton")->click();
            QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);
        }
        const QByteArray saved = preferenceFile();
        QVERIFY(!saved.contains(m_password.toUtf8()));
        QCOMPARE(prefs().value(QStringLiteral("str_pwd")), hash);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]{32}$")).match(hash).hasMatch());
        QVERIFY(saved.contains(hash.toLatin1()));
        QCOMPARE(prefs().value(QStringLiteral("rem_me")), QStringLiteral("True"));

        // The next dialog starts on the log-in page with the placeholder and
        // logs in with the stored digest.
        {
            AccessDlg dialog;
            QVERIFY(open(dialog));
            QCOMPARE(dialog.findChild<QToolBox *>()->currentIndex(), int(AccessDlg::LogInPage));
            QCOMPARE(child<QLineEdit>(dialog, "logInUser")->text(), QStringLiteral("ann@example.com"));
            QCOMPARE(child<QLineEdit>(dialog, "logInPassword")->text(), QStringLiteral("******"));
            QVERIFY(child<QCheckBox>(dialog, "rememberMe")->isChecked());
            QVERIFY(dialog.passwordRemembered());
            m_fake->clearRequests();
            child<QPushButton>(dialog, "logInButton")->click();
            QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);
            const QByteArray body = m_fake->requests("/Login-new.ashx").at(0).body;
            QCOMPARE(FakeProviders::formValue(body, QStringLiteral("hashUserPassword")), hash);
        }

        // Clicking into the remembered password field clears it.
        {
            AccessDlg dialog;
            QVERIFY(open(dialog));
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            auto *password = child<QLineEdit>(dialog, "logInPassword");
            QTest::mouseClick(password, Qt::LeftButton);
            QTRY_COMPARE(password->text(), QString());
            QVERIFY(!dialog.passwordRemembered());
            QVERIFY(!child<QPushButton>(dialog, "logInButton")->isEnabled());
            // Unticking is written at once.
            child<QCheckBox>(dialog, "rememberMe")->setChecked(false);
            QCOMPARE(ConfigFile(prefs().directory(), prefs().fileName()).value(QStringLiteral("rem_me")),
                     QStringLiteral("False"));
        }
    }

    void anotherUserForgetsTheNoteToken()
    {
        prefs().setValue(QStringLiteral("str_user"), QStringLiteral("ann@example.com"));
        prefs().setValue(QStringLiteral("evernote_access_token"), QStringLiteral("S=s1:U=9:E=1:token"));
        prefs().save();
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("bob@example.com"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        // Forgotten even though this log-in fails.
        QTRY_VERIFY(!dialog.isBusy());
        QVERIFY(child<QLabel>(dialog, "combinationError")->isVisible());
        QCOMPARE(prefs().value(QStringLiteral("evernote_access_token")), QString());
        QCOMPARE(ConfigFile(prefs().directory(), prefs().fileName()).value(QStringLiteral("evernote_access_token")),
                 QString());
    }

    // ---- social log-in ----

    void facebookFlowSignsIn()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        auto *facebook = child<QPushButton>(dialog, "facebookButton");
        QVERIFY(!facebook->isHidden());
        QVERIFY(child<QPushButton>(dialog, "sinaButton")->isHidden());
        QTimer::singleShot(0, facebook, &QPushButton::click);
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 30000);

        QCOMPARE(UserAccess::instance().sessionKey(), QStringLiteral("FB-SESSION-1"));
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("Ann Lee"));
        QCOMPARE(UserAccess::instance().firstAttribute(), QStringLiteral("facebook"));
        const auto dialogRequests = m_fake->requests("/dialog/oauth");
        QCOMPARE(dialogRequests.size(), 1);
        QVERIFY(dialogRequests.at(0).query().contains(QLatin1String("client_id=402913865571304")));
        QVERIFY(dialogRequests.at(0).query().contains(QLatin1String("response_type=token")));
        QVERIFY(dialogRequests.at(0).query().contains(
            QLatin1String("redirect_uri=http%3A%2F%2F") + m_fake->host().replace(QLatin1Char(':'), QLatin1String("%3A"))
            + QLatin1String("%2Fconnect%2Flogin_success.html")));
        const auto me = m_fake->requests("/me/");
        QCOMPARE(me.size(), 1);
        QCOMPARE(me.at(0).query(), QStringLiteral("access_token=") + m_fake->token);
        const auto account = m_fake->requests("/LoginedByFacebook.ashx");
        QCOMPARE(account.size(), 1);
        QCOMPARE(account.at(0).query(), QStringLiteral("id=1029384756&name=Ann%20Lee"));
        QCOMPARE(dialog.usage()->events().value(QStringLiteral("QL_Access_Facebook")), 1);
    }

    void facebookNameGoesAsLatin1Bytes()
    {
        m_fake->meAnswer = "{\"id\":\"77\",\"name\":\"Jos\u00e9 N\u00fa\u00f1ez\"}";
        AuthorizationWindow window(AuthorizationWindow::Facebook);
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        const auto account = m_fake->requests("/LoginedByFacebook.ashx");
        QCOMPARE(account.size(), 1);
        // Each accented letter is its one Latin-1 byte, not a replacement
        // character.
        QCOMPARE(account.at(0).query(), QStringLiteral("id=77&name=Jos%E9%20N%FA%F1ez"));
    }

    void badProviderAnswerShowsTheConnectionError_data()
    {
        QTest::addColumn<QByteArray>("me");
        QTest::addColumn<QByteArray>("account");
        QTest::newRow("me not JSON") << QByteArray("<html>oops</html>") << QByteArray("Success|K|A;b");
        QTest::newRow("account refuses") << QByteArray("{\"id\":\"1\",\"name\":\"A\"}")
                                         << QByteArray("Failure|");
        QTest::newRow("account short") << QByteArray("{\"id\":\"1\",\"name\":\"A\"}")
                                       << QByteArray("Success|K");
        QTest::newRow("account without a key") << QByteArray("{\"id\":\"1\",\"name\":\"A\"}")
                                               << QByteArray("Success||A;b");
    }
    void badProviderAnswerShowsTheConnectionError()
    {
        QFETCH(QByteArray, me);
        QFETCH(QByteArray, account);
        m_fake->meAnswer = me;
        m_fake->facebookAccountAnswer = account;
        MessageBoxWatcher boxes;
        AccessDlg dialog;
        QVERIFY(open(dialog));
        QTimer::singleShot(0, child<QPushButton>(dialog, "facebookButton"), &QPushButton::click);
        QTRY_COMPARE_WITH_TIMEOUT(boxes.texts, QStringList{QStringLiteral("Connection error. Please retry.")},
                                  30000);
        QVERIFY(dialog.isVisible());
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
    }

    void sinaAnswerPageWithMarkupIsAccepted()
    {
        GammaLib::currentLanguage() = QStringLiteral("zh-CN");
        AccessDlg dialog;
        QVERIFY(open(dialog));
        auto *sina = child<QPushButton>(dialog, "sinaButton");
        QVERIFY(!sina->isHidden());
        QVERIFY(child<QPushButton>(dialog, "facebookButton")->isHidden());
        QTimer::singleShot(0, sina, &QPushButton::click);
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 30000);
        QCOMPARE(UserAccess::instance().sessionKey(), QStringLiteral("SINA-SESSION-7"));
        QCOMPARE(UserAccess::instance().userName(), QStringLiteral("Wei Zhang"));
        QCOMPARE(UserAccess::instance().firstAttribute(), QStringLiteral("weibo"));
        QCOMPARE(m_fake->requests("/LoginBySina.ashx").at(0).query(),
                 QStringLiteral("area=veska"));
        QVERIFY(dialog.usage()->events().value(QStringLiteral("QL_Access_Facebook")) == 0);
    }

    void badSinaPageClosesWithoutTheFlag()
    {
        m_fake->sinaAnswerPage = "<html><body>UserNotExit|</body></html>";
        AuthorizationWindow window(AuthorizationWindow::SinaWeibo);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(!window.failed());
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());

        // A success without a session key signs nobody in either.
        m_fake->sinaAnswerPage = "<html><body>Success||Wei Zhang;weibo</body></html>";
        AuthorizationWindow keyless(AuthorizationWindow::SinaWeibo);
        QCOMPARE(keyless.exec(), int(QDialog::Rejected));
        QVERIFY(!keyless.failed());
        QVERIFY(UserAccess::instance().userName().isEmpty());
    }

    void unreachableProviderFails()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        ServiceAddresses::instance().setHost(ServiceAddresses::FacebookWww,
                                             QStringLiteral("127.0.0.1:%1").arg(closed.serverPort()));
        closed.close();
        AuthorizationWindow window(AuthorizationWindow::Facebook);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(window.failed());
    }

    // A server whose certificate does not check out is never trusted with
    // the log-in: the page (or the "me" request) fails and so does the log-in.
    void certificateErrorsAreRejected_data()
    {
        QTest::addColumn<int>("host");
        QTest::newRow("provider page") << int(ServiceAddresses::FacebookWww);
        QTest::newRow("graph") << int(ServiceAddresses::FacebookGraph);
    }
    void certificateErrorsAreRejected()
    {
        QFETCH(int, host);
        FakeProviders impostor;
        QVERIFY(impostor.startTls(QStringLiteral(QUILLET_SOURCE_DIR "/tests/signin/data/selfsigned.crt"),
                                  QStringLiteral(QUILLET_SOURCE_DIR "/tests/signin/data/selfsigned.key")));
        const auto which = ServiceAddresses::Host(host);
        ServiceAddresses::instance().setScheme(which, QStringLiteral("https"));
        ServiceAddresses::instance().setHost(which, impostor.host());
        AuthorizationWindow window(AuthorizationWindow::Facebook);
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(window.failed());
        QVERIFY(impostor.requests().isEmpty());
        QVERIFY(UserAccess::instance().sessionKey().isEmpty());
        QCOMPARE(m_fake->requests("/LoginedByFacebook.ashx").size(), 0);
    }

    void userClosingTheWindowIsNoFailure()
    {
        // A provider page that never finishes loading, closed by the user.
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        ServiceAddresses::instance().setHost(ServiceAddresses::FacebookWww,
                                             QStringLiteral("127.0.0.1:%1").arg(silent.serverPort()));
        AuthorizationWindow window(AuthorizationWindow::Facebook);
        QTimer::singleShot(0, &window, [&window] {
            QTRY_VERIFY(window.loadingShown());
            window.slotClose();
        });
        QCOMPARE(window.exec(), int(QDialog::Rejected));
        QVERIFY(!window.failed());
    }

    // ---- banner, links, usage events ----

    void bannerIsRetriedUntilItIsOurs()
    {
        int asked = 0;
        m_fake->setHandler("/client/banner.htm", [&asked](const RecordingHttpServer::Request &) {
            return FakeProviders::page(
                ++asked < 3 ? QByteArray("<html><head><title>Captive portal</title></head></html>")
                            : QByteArray("<html><head><title>jQuery Quillet</title></head>"
                                         "<body><a id=\"news\" href=\"http://example.invalid/news\">"
                                         "News</a><a id=\"blank\" target=\"_blank\" "
                                         "href=\"http://example.invalid/blank\">More</a></body></html>"));
        });
        AccessDlg dialog;
        dialog.setBannerRetryInterval(50);
        QVERIFY(open(dialog));
        QTRY_VERIFY_WITH_TIMEOUT(dialog.findChild<QWidget *>(QStringLiteral("bannerArea"))->isVisible(), 20000);
        QVERIFY(dialog.bannerView());
        // Two refusals, the page that is ours, and the view's own load of it;
        // then the retries stop.
        QTest::qWait(300);
        QCOMPARE(asked, 4);

        // Its links open in the user's browser, not in the banner.
        BrowserRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        const QUrl bannerUrl = dialog.bannerView()->url();
        for (const char *link : {"news", "blank"}) {
            dialog.bannerView()->page()->runJavaScript(
                QStringLiteral("document.getElementById('%1').click();").arg(QLatin1String(link)));
        }
        QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 2, 10000);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(browser.opened.at(0), QUrl(QStringLiteral("http://example.invalid/news")));
        QCOMPARE(browser.opened.at(1), QUrl(QStringLiteral("http://example.invalid/blank")));
        QCOMPARE(dialog.bannerView()->url(), bannerUrl);
    }

    void pagesOpenInTheSystemBrowser()
    {
        BrowserRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        AccessDlg dialog;
        QVERIFY(open(dialog));
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QToolBox *>()->setCurrentIndex(AccessDlg::LogInPage);
        QTest::mouseClick(child<QLabel>(dialog, "forgotPassword"), Qt::LeftButton);
        dialog.slotTermOfUseClicked();
        dialog.slotLinkClicked(QUrl(QStringLiteral("http://example.invalid/news")));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        const QString web = ServiceAddresses::instance().url(ServiceAddresses::Web, QString());
        QCOMPARE(browser.opened,
                 (QList<QUrl>{QUrl(web + QStringLiteral("/Account/PasswordForgot")),
                              QUrl(web + QStringLiteral("/About/Termsofservice")),
                              QUrl(QStringLiteral("http://example.invalid/news"))}));
        QCOMPARE(dialog.usage()->events().value(QStringLiteral("QL_Access_Forgot_Pwd")), 1);
        QVERIFY(child<QLabel>(dialog, "termsLabel")->text().contains(web + QStringLiteral("/About/Termsofservice")));
    }

    void closingUploadsTheEventsAnonymously()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("abc"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        child<QPushButton>(dialog, "logInButton")->click();
        m_fake->clearRequests();
        QVERIFY(dialog.close());
        // The upload has finished by the time the dialog is gone.
        const auto uploads = m_fake->requests("/NotPublic/UserCountBulkAdd.ashx");
        QCOMPARE(uploads.size(), 1);
        const QByteArray body = uploads.at(0).body;
        QCOMPARE(FakeProviders::formValue(body, QStringLiteral("sessionKey")), QStringLiteral("2727-2727"));
        QCOMPARE(FakeProviders::formValue(body, QStringLiteral("group")), QStringLiteral("event"));
        QCOMPARE(FakeProviders::formValue(body, QStringLiteral("data")), QStringLiteral("QL_Access_Login:2;"));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void acceptedDialogSendsNoEvents()
    {
        addAccount(QStringLiteral("ann@example.com"), m_password);
        AccessDlg dialog;
        QVERIFY(open(dialog));
        type(child<QLineEdit>(dialog, "logInUser"), QStringLiteral("ann@example.com"));
        type(child<QLineEdit>(dialog, "logInPassword"), m_password);
        child<QPushButton>(dialog, "logInButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(accepted(dialog), 10000);
        QTest::qWait(200);
        QVERIFY(m_fake->requests("/NotPublic/UserCountBulkAdd.ashx").isEmpty());
    }

    void pageIconsFollowTheCurrentPage()
    {
        AccessDlg dialog;
        QVERIFY(open(dialog));
        auto *box = dialog.findChild<QToolBox *>();
        QCOMPARE(box->count(), 3);
        QCOMPARE(box->itemText(0), QStringLiteral("Sign up"));
        QCOMPARE(box->itemText(1), QStringLiteral("Log in"));
        QCOMPARE(box->itemText(2), QStringLiteral("Proxy settings"));
        box->setCurrentIndex(AccessDlg::ProxyPage);
        QCOMPARE(box->itemIcon(2).pixmap(16).toImage(),
                 dialog.style()->standardIcon(QStyle::SP_ArrowDown).pixmap(16).toImage());
        QCOMPARE(box->itemIcon(0).pixmap(16).toImage(),
                 dialog.style()->standardIcon(QStyle::SP_ArrowRight).pixmap(16).toImage());
        box->setCurrentIndex(AccessDlg::SignUpPage);
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(dialog, "signUpEmail"));
    }
};

int main(int argc, char *argv[])
{
    // Settings of this run only.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    TestAccessDlg test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_accessdlg.moc"
