// The local rules of the sign-in dialog, the remembered log-in in the
// preference store and the social log-in answer.
#include "accountstatus.h"
#include "appsettings.h"
#include "configfile.h"
#include "credentialrules.h"
#include "rememberedlogin.h"
#include "socialloginanswer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestSignInRules : public QObject
{
    Q_OBJECT
private slots:
    void passwordRules_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        const QString ascii = QStringLiteral(
            "Your password contains invalid character(s). Please use ASCII characters only.");
        const QString tooLong = QStringLiteral("Password must be no more than 16 characters in length.");
        const QString tooShort = QStringLiteral("Password must be at least 6 characters in length.");
        QTest::newRow("16 ASCII") << QStringLiteral("abcdefghij123456") << QString();
        QTest::newRow("17 ASCII") << QStringLiteral("abcdefghij1234567") << tooLong;
        QTest::newRow("6") << QStringLiteral("abc!@#") << QString();
        QTest::newRow("5") << QStringLiteral("abcde") << tooShort;
        QTest::newRow("empty") << QString() << tooShort;
        QTest::newRow("accented 10") << QStringLiteral("caf\u00e9123456") << ascii;
        // The character rule is tested before the length rules.
        QTest::newRow("accented short") << QStringLiteral("\u00e9") << ascii;
        QTest::newRow("accented long") << QStringLiteral("\u00e9bcdefghij1234567") << ascii;
        QTest::newRow("outside the BMP") << QStringLiteral("abcdef\U0001F600") << ascii;
    }
    void passwordRules()
    {
        QFETCH(QString, password);
        QFETCH(QString, message);
        QCOMPARE(CredentialRules::passwordProblem(password), message);
    }

    void emailRule()
    {
        QVERIFY(CredentialRules::emailMatchesRule(QStringLiteral("ann@example.com")));
        QVERIFY(CredentialRules::emailMatchesRule(QStringLiteral("ann.lee+work@mail.example.co.uk")));
        QVERIFY(CredentialRules::emailMatchesRule(QStringLiteral("a-b@ex-ample.org")));
        QVERIFY(!CredentialRules::emailMatchesRule(QStringLiteral("ann@example")));
        QVERIFY(!CredentialRules::emailMatchesRule(QStringLiteral("ann example.com")));
        QVERIFY(!CredentialRules::emailMatchesRule(QStringLiteral("@example.com")));
        QVERIFY(!CredentialRules::emailMatchesRule(QStringLiteral("ann@@example.com")));
        QVERIFY(!CredentialRules::emailMatchesRule(QStringLiteral(" ann@example.com")));
        QVERIFY(!CredentialRules::emailMatchesRule(QString()));
    }

    void confirmationAndLoginLength()
    {
        QCOMPARE(CredentialRules::confirmationProblem(QStringLiteral("secret1"), QStringLiteral("secret1")),
                 QString());
        QCOMPARE(CredentialRules::confirmationProblem(QStringLiteral("secret1"), QStringLiteral("secret2")),
                 QStringLiteral("Passwords did not match. Please try again."));
        QVERIFY(!CredentialRules::tooShortForLogin(QString()));
        QVERIFY(CredentialRules::tooShortForLogin(QStringLiteral("a")));
        QVERIFY(CredentialRules::tooShortForLogin(QStringLiteral("abcde")));
        QVERIFY(!CredentialRules::tooShortForLogin(QStringLiteral("abcdef")));
    }

    void rememberedLoginKeepsOnlyTheDigest()
    {
        QTemporaryDir dir;
        const QString hash = GammaLib::passwordHash(QStringLiteral("my secret"));
        {
            ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
            RememberedLogin remembered(store);
            QVERIFY(!remembered.rememberMe());
            remembered.storeSuccessfulLogin(QStringLiteral("ann@example.com"), true, hash);
        }
        QFile file(dir.filePath(QStringLiteral("preference.ini")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray saved = file.readAll();
        QVERIFY(!saved.contains("my secret"));
        QVERIFY(saved.contains(hash.toLatin1()));
        QCOMPARE(hash.size(), 32);
        QCOMPARE(hash, hash.toUpper());

        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        RememberedLogin remembered(store);
        QVERIFY(remembered.rememberMe());
        QCOMPARE(remembered.userName(), QStringLiteral("ann@example.com"));
        QCOMPARE(remembered.passwordHash(), hash);

        // Unticked: the box is written at once, a later log-in keeps no new hash.
        remembered.forgetRememberMe();
        QCOMPARE(ConfigFile(dir.path(), QStringLiteral("preference.ini")).value(QStringLiteral("rem_me")),
                 QStringLiteral("False"));
        remembered.storeSuccessfulLogin(QStringLiteral("bob@example.com"), false,
                                        GammaLib::passwordHash(QStringLiteral("other")));
        QCOMPARE(remembered.passwordHash(), hash);
        QCOMPARE(remembered.userName(), QStringLiteral("bob@example.com"));
    }

    void noteTokenForgottenForAnotherUser()
    {
        QTemporaryDir dir;
        ConfigFile store(dir.path(), QStringLiteral("preference.ini"));
        AppSettings::addPreferenceDefaults(store);
        // The note-service token has no default: its first write makes it one.
        store.setValue(QStringLiteral("str_user"), QStringLiteral("ann@example.com"));
        store.setValue(QStringLiteral("evernote_access_token"), QStringLiteral("S=s1:U=1:token"));
        RememberedLogin remembered(store);
        QVERIFY(!remembered.forgetNoteTokenIfOtherUser(QStringLiteral("ann@example.com")));
        QCOMPARE(store.value(QStringLiteral("evernote_access_token")), QStringLiteral("S=s1:U=1:token"));
        QVERIFY(remembered.forgetNoteTokenIfOtherUser(QStringLiteral("bob@example.com")));
        QCOMPARE(ConfigFile(dir.path(), QStringLiteral("preference.ini"))
                     .value(QStringLiteral("evernote_access_token")),
                 QString());
    }

    void socialAnswers()
    {
        SocialLoginAnswer good = SocialLoginAnswer::parse(QStringLiteral("Success|KEY1|Ann Lee;gold"));
        QVERIFY(good.good);
        QCOMPARE(good.sessionKey, QStringLiteral("KEY1"));
        QCOMPARE(good.userName, QStringLiteral("Ann Lee"));
        QCOMPARE(good.attribute, QStringLiteral("gold"));

        SocialLoginAnswer noAttribute = SocialLoginAnswer::parse(QStringLiteral("Success|K|Ann|extra"));
        QVERIFY(noAttribute.good);
        QCOMPARE(noAttribute.userName, QStringLiteral("Ann"));
        QCOMPARE(noAttribute.attribute, QString());

        QVERIFY(!SocialLoginAnswer::parse(QStringLiteral("Success|KEY1")).good);
        QVERIFY(!SocialLoginAnswer::parse(QStringLiteral("Failure|KEY1|Ann")).good);
        QVERIFY(!SocialLoginAnswer::parse(QStringLiteral("Success |KEY1|Ann")).good);
        QVERIFY(!SocialLoginAnswer::parse(QString()).good);
        QVERIFY(!SocialLoginAnswer::parse(QStringLiteral("<html>not found</html>")).good);

        // Markup before the status word is fine; the page's closing markup is
        // not taken into the user data.
        SocialLoginAnswer page = SocialLoginAnswer::parsePage(QStringLiteral(
            "<html><head></head><body><div class=\"r\">Success|SK|Wei Zhang;silver</div></body></html>\n"));
        QVERIFY(page.good);
        QCOMPARE(page.sessionKey, QStringLiteral("SK"));
        QCOMPARE(page.userName, QStringLiteral("Wei Zhang"));
        QCOMPARE(page.attribute, QStringLiteral("silver"));
        QVERIFY(!SocialLoginAnswer::parsePage(
                     QStringLiteral("<html><body>Failure|x|y</body></html>")).good);
    }
};

QTEST_GUILESS_MAIN(TestSignInRules)
#include "tst_signinrules.moc"
