// Choosing the interface language and installing its translation.
#include "configfile.h"
#include "currentlanguage.h"
#include "languagechoice.h"
#include "serviceaddresses.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

class TestLanguageChoice : public QObject
{
    Q_OBJECT
private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("system");
        QTest::addColumn<QString>("expected");
        QTest::newRow("nothing stored, Chinese system") << "" << int(QLocale::Chinese) << "zh-CN";
        QTest::newRow("nothing stored, Spanish system") << "" << int(QLocale::Spanish) << "es";
        QTest::newRow("nothing stored, Japanese system") << "" << int(QLocale::Japanese) << "ja";
        QTest::newRow("nothing stored, German system") << "" << int(QLocale::German) << "";
        QTest::newRow("stored en beats Chinese system") << "en" << int(QLocale::Chinese) << "";
        QTest::newRow("stored ja beats Chinese system") << "ja" << int(QLocale::Chinese) << "ja";
        QTest::newRow("stored es on Japanese system") << "es" << int(QLocale::Japanese) << "es";
        QTest::newRow("unknown stored value") << "fr" << int(QLocale::Spanish) << "";
        QTest::newRow("case matters") << "ZH-cn" << int(QLocale::English) << "";
    }

    void choose()
    {
        QFETCH(QString, stored);
        QFETCH(int, system);
        QFETCH(QString, expected);
        QCOMPARE(LanguageChoice::choose(stored, QLocale::Language(system)), expected);
    }

    void fileNames()
    {
        QCOMPARE(LanguageChoice::applicationFile(QStringLiteral("zh-CN")), QStringLiteral("quillet_zh-CN.qm"));
        QCOMPARE(LanguageChoice::toolkitFile(QStringLiteral("zh-CN")), QStringLiteral("qt_zh_CN.qm"));
        QCOMPARE(LanguageChoice::toolkitFile(QStringLiteral("ja")), QStringLiteral("qt_ja.qm"));
    }

    void missingTranslationMeansEnglish()
    {
        QTemporaryDir work;
        QVERIFY(QDir::setCurrent(work.path()));
        ConfigFile preferences(work.path(), QStringLiteral("preference.ini"));
        preferences.setValue(QStringLiteral("language"), QStringLiteral("zh-CN"));
        QTranslator application, toolkit;
        const QString code = LanguageChoice::install(preferences, QLocale::English, application, toolkit,
                                                     {work.path()});
        QCOMPARE(code, QStringLiteral("en"));
        QCOMPARE(GammaLib::currentLanguage(), QStringLiteral("en"));
        QVERIFY(application.isEmpty());
        auto &addresses = GammaLib::ServiceAddresses::instance();
        QVERIFY(addresses.explanationBase().endsWith(QStringLiteral("/eng")));
        QVERIFY(addresses.dictionaryBase().endsWith(QStringLiteral("/?qew2=")));
        // "en" reaches the file with the next save.
        QVERIFY(preferences.save());
        QCOMPARE(ConfigFile(work.path(), QStringLiteral("preference.ini")).value(QStringLiteral("language")),
                 QStringLiteral("en"));
    }

    void chineseTranslationSwitchesTwoAddresses()
    {
        QTemporaryDir work;
        QVERIFY(QFile::copy(QStringLiteral(TEST_QM_FILE), work.filePath(QStringLiteral("quillet_zh-CN.qm"))));
        QVERIFY(QDir::setCurrent(work.path()));
        auto &addresses = GammaLib::ServiceAddresses::instance();
        const QString explanationHost = addresses.host(GammaLib::ServiceAddresses::Explanation);
        const QString apiHost = addresses.host(GammaLib::ServiceAddresses::Api);

        ConfigFile preferences(work.path(), QStringLiteral("preference.ini"));
        QTranslator application, toolkit;
        const QString code = LanguageChoice::install(preferences, QLocale::Chinese, application, toolkit,
                                                     {work.path()});
        QCOMPARE(code, QStringLiteral("zh-CN"));
        QCOMPARE(GammaLib::currentLanguage(), QStringLiteral("zh-CN"));
        QCOMPARE(preferences.value(QStringLiteral("language")), QStringLiteral("zh-CN"));
        QCOMPARE(QCoreApplication::translate("MessageBox", "OK"), QStringLiteral("确定"));
        QCOMPARE(addresses.explanationBase(), QStringLiteral("http://") + explanationHost + "/chs/");
        QCOMPARE(addresses.dictionaryBase(),
                 QStringLiteral("http://") + apiHost + "/Veska/QLDictCN?content=");

        QCoreApplication::removeTranslator(&application);
        QCoreApplication::removeTranslator(&toolkit);
        addresses.useChineseAddresses(false);
        GammaLib::currentLanguage() = QStringLiteral("en");
    }

    void serviceTable()
    {
        auto &addresses = GammaLib::ServiceAddresses::instance();
        QCOMPARE(addresses.host(GammaLib::ServiceAddresses::Checking),
                 GammaLib::ServiceAddresses::defaultProductHost());
        QVERIFY(GammaLib::ServiceAddresses::defaultProductHost().startsWith(QStringLiteral("127.0.0.1:")));
        QCOMPARE(addresses.url(GammaLib::ServiceAddresses::FacebookGraph, QStringLiteral("/me/?")),
                 QStringLiteral("https://graph.facebook.com/me/?"));
        addresses.setProductHosts(QStringLiteral("127.0.0.1:1234"));
        QCOMPARE(addresses.url(GammaLib::ServiceAddresses::Checking, QStringLiteral("/unified/")),
                 QStringLiteral("http://127.0.0.1:1234/unified/"));
        QCOMPARE(addresses.dictionaryBase(), QStringLiteral("http://127.0.0.1:1234/?qew2="));
        addresses.setProductHosts(GammaLib::ServiceAddresses::defaultProductHost());
    }
};

QTEST_GUILESS_MAIN(TestLanguageChoice)
#include "tst_languagechoice.moc"
