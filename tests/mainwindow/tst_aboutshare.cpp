// The about window with its contact link, and the share commands: the title
// bar's share button, the report's share control and where each leads.
#include "aboutwindow.h"
#include "appsettings.h"
#include "configfile.h"
#include "currentlanguage.h"
#include "mainwnd.h"
#include "mainwndui.h"
#include "reportframe.h"
#include "reportframeform.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "sharetarget.h"
#include "titlebar.h"
#include "iconbutton.h"
#include "userinformation.h"

#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

// Stands in for the web browser.
class Browser : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestAboutShare : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QList<QUrl> m_shared;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) {
            return int(QDialog::Rejected);
        });
        window->show();
        return window;
    }

    int events(MainWnd &window, const char *name) const
    {
        return window.usage()->events().value(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        // Nobody answers: the window's start-up requests fail at once.
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:9"));
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        ShareTarget::setOpener([this](const QUrl &url) { m_shared.append(url); });
    }

    void init() { m_shared.clear(); }

    void cleanupTestCase() { ShareTarget::setOpener({}); }

    // "About Quillet" shows the about window, whose contact link counts the
    // contact event and opens the contact page.
    void aboutWindowCountsTheContact()
    {
        Browser browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        auto cleanup = qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); });
        auto window = makeWindow();
        window->slotAbout();
        auto *about = window->findChild<AboutWindow *>();
        QVERIFY(about);
        QVERIFY(about->isVisible());
        QVERIFY(about->isModal());
        QVERIFY(about->versionLabel()->text().contains(QLatin1String("2.1.7.0")));
        // Asked again, the same window comes up.
        window->slotAbout();
        QCOMPARE(window->findChildren<AboutWindow *>().size(), 1);

        QCOMPARE(events(*window, "QL_Main_Contact"), 0);
        QLabel *link = about->contactLink();
        QVERIFY(link->text().contains(AboutWindow::contactAddress().toString()));
        emit link->linkActivated(AboutWindow::contactAddress().toString());
        QCOMPARE(events(*window, "QL_Main_Contact"), 1);
        QCOMPARE(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://127.0.0.1:9/About/Contact"))});

        QTest::mouseClick(about->okButton(), Qt::LeftButton);
        QTRY_VERIFY(window->findChild<AboutWindow *>() == nullptr); // deleted on close
    }

    // The main window shows the title bar's share button, between the title
    // and the menu button; it shares on the interface language's network.
    void titleBarShareButton_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("www.facebook.com")
                                 << QStringLiteral("/dialog/feed");
        QTest::newRow("Spanish") << QStringLiteral("es") << QStringLiteral("www.facebook.com")
                                 << QStringLiteral("/dialog/feed");
        QTest::newRow("Chinese") << QStringLiteral("zh-CN") << QStringLiteral("service.weibo.com")
                                 << QStringLiteral("/share/share.php");
    }

    void titleBarShareButton()
    {
        QFETCH(QString, language);
        QFETCH(QString, host);
        QFETCH(QString, path);
        const QString before = GammaLib::currentLanguage();
        GammaLib::currentLanguage() = language;
        auto restore = qScopeGuard([before] { GammaLib::currentLanguage() = before; });
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        Titlebar *bar = window->ui().titlebar;
        QAbstractButton *share = bar->shareButton();
        QVERIFY(share->isVisible());
        QVERIFY(share->isEnabled());
        const int x = share->mapTo(bar, QPoint()).x();
        QVERIFY(x > bar->titleLabel()->mapTo(bar, QPoint()).x());
        QVERIFY(x < bar->menuButton()->mapTo(bar, QPoint()).x());

        QTest::mouseClick(share, Qt::LeftButton);
        QCOMPARE(m_shared.size(), 1);
        QCOMPARE(m_shared.at(0).host(), host);
        QCOMPARE(m_shared.at(0).path(), path);
        QCOMPARE(events(*window, "QL_Main_Share"), 1);
    }

    // The report offers a share control; it shares the feed dialog with the
    // program's description.
    void reportShareControl()
    {
        auto window = makeWindow();
        ReportFrame *report = window->report();
        report->show();
        report->raise();
        QPushButton *share = report->form().shareButton;
        QVERIFY(share);
        QTRY_VERIFY(share->isVisible());
        QVERIFY(!share->text().isEmpty());
        QSignalSpy asked(report, &ReportFrame::signalShareResult);
        QTest::mouseClick(share, Qt::LeftButton);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(m_shared.size(), 1);
        const QUrl address = m_shared.at(0);
        QCOMPARE(address.host(), QStringLiteral("www.facebook.com"));
        QCOMPARE(address.path(), QStringLiteral("/dialog/feed"));
        const QUrlQuery query(address);
        QCOMPARE(query.queryItemValue(QStringLiteral("app_id")), QStringLiteral("402913865571304"));
        QCOMPARE(query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded),
                 QStringLiteral("Quillet, the best free grammar checker"));
        QCOMPARE(query.queryItemValue(QStringLiteral("link")), QStringLiteral("http://127.0.0.1:9"));
        QVERIFY(query.queryItemValue(QStringLiteral("description"), QUrl::FullyDecoded)
                    .startsWith(QLatin1String("It grants you free instant text check")));
        QCOMPARE(events(*window, "QL_Main_Share"), 1);
    }

    void feedAddressKeepsTheOrderOfItsParts()
    {
        const QString address = ShareTarget::feedAddress().toString(QUrl::FullyDecoded);
        QStringList keys;
        for (const auto &item : QUrlQuery(ShareTarget::feedAddress()).queryItems())
            keys.append(item.first);
        QCOMPARE(keys, QStringList({"app_id", "link", "picture", "name", "caption", "description", "redirect_uri"}));
        QVERIFY(address.contains(QLatin1String("&caption= &")));
    }
};

QTEST_MAIN(TestAboutShare)
#include "tst_aboutshare.moc"
