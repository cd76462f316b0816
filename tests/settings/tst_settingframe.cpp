// The settings dialog and the proxy: what the stored settings install, what
// closing the dialog stores, the proxy test through a proxy on loopback, the
// version check and the exchange with the updater over its local channel.
#include "appsettings.h"
#include "configfile.h"
#include "localservices.h"
#include "mainwnd.h"
#include "proxypanel.h"
#include "proxysettings.h"
#include "recordinghttpserver.h"
#include "rotateanimation.h"
#include "rotatingpicture.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "settingframe.h"
#include "versionhelper.h"

#include <QCheckBox>
#include <QCryptographicHash>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocalSocket>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using GammaLib::ProxySettings;

namespace {

ConfigFile &preferences() { return AppSettings::preferenceConfig(); }

using Stored = QHash<QString, QString>;

void setProxyKeys(const Stored &values)
{
    for (const char *key : {"proxy_type", "proxy_http_host", "proxy_http_port", "proxy_http_user", "proxy_http_pwd",
                            "proxy_http_domain", "proxy_socks5_host", "proxy_socks5_port", "proxy_socks5_user",
                            "proxy_socks5_pwd"})
        preferences().setValue(QLatin1String(key), values.value(QLatin1String(key)));
}

} // namespace

class TestSettingFrame : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QTemporaryDir m_program; // holds the "ver.dat" the frame reads and writes
    RecordingHttpServer m_api;

    std::unique_ptr<SettingFrame> makeFrame()
    {
        auto frame = std::make_unique<SettingFrame>();
        frame->setProgramFolder(m_program.path());
        frame->openSettings();
        return frame;
    }

    void writeInstalledVersion(int version)
    {
        ConfigFile file(m_program.path(), QStringLiteral("ver.dat"));
        file.setValue(QStringLiteral("VersionId"), QString::number(version));
        QVERIFY(file.save());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_program.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        qputenv("TMPDIR", m_home.path().toUtf8()); // the updater channel's socket lives here
        GammaLib::ServiceAddresses::instance().setProductHosts(m_api.host());
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Account,
                                                       QStringLiteral("127.0.0.1:9"));
    }

    void init()
    {
        setProxyKeys({{QStringLiteral("proxy_type"), QStringLiteral("0")}});
        m_api.clearRequests();
        writeInstalledVersion(2170);
    }

    void storedProxyIsInstalled_data()
    {
        QTest::addColumn<Stored>("stored");
        QTest::addColumn<int>("action");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        using H = Stored;
        const int install = int(ProxySettings::Action::Install);
        const int keep = int(ProxySettings::Action::Keep);
        QTest::newRow("none") << H{{"proxy_type", "0"}} << install << int(QNetworkProxy::NoProxy) << QString() << 0
                              << QString() << QString();
        QTest::newRow("http with domain")
            << H{{"proxy_type", "1"}, {"proxy_http_host", " proxy.corp "}, {"proxy_http_port", "3128"},
                 {"proxy_http_user", "bob"}, {"proxy_http_pwd", "pw"}, {"proxy_http_domain", "CORP"}}
            << install << int(QNetworkProxy::HttpProxy) << QStringLiteral("proxy.corp") << 3128
            << QStringLiteral("CORP\\bob") << QStringLiteral("pw");
        QTest::newRow("socks5 ignores the http domain")
            << H{{"proxy_type", "2"}, {"proxy_socks5_host", "s.example"}, {"proxy_socks5_user", "ann"},
                 {"proxy_http_domain", "CORP"}}
            << install << int(QNetworkProxy::Socks5Proxy) << QStringLiteral("s.example") << 0
            << QStringLiteral("ann") << QString();
        QTest::newRow("http without host keeps the proxy")
            << H{{"proxy_type", "1"}, {"proxy_http_host", "  "}} << keep << 0 << QString() << 0 << QString()
            << QString();
        QTest::newRow("unknown type") << H{{"proxy_type", "7"}} << keep << 0 << QString() << 0 << QString() << QString();
        QTest::newRow("not a number") << H{{"proxy_type", "x"}} << keep << 0 << QString() << 0 << QString()
                                      << QString();
        QTest::newRow("system") << H{{"proxy_type", "3"}} << int(ProxySettings::Action::UseSystem) << 0 << QString()
                                << 0 << QString() << QString();
    }

    void storedProxyIsInstalled()
    {
        QFETCH(Stored, stored);
        QFETCH(int, action);
        setProxyKeys(stored);
        QNetworkProxy proxy;
        QCOMPARE(int(ProxySettings::fromSettings(preferences(), &proxy)), action);
        if (action != int(ProxySettings::Action::Install))
            return;
        QFETCH(int, type);
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QCOMPARE(int(proxy.type()), type);
        QCOMPARE(proxy.hostName(), host);
        QCOMPARE(int(proxy.port()), port);
        QCOMPARE(proxy.user(), user);
        QCOMPARE(proxy.password(), password);
    }

    void closingStoresTheChoices()
    {
        preferences().setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
        preferences().setValue(QStringLiteral("enrichment_enable"), QStringLiteral("true")); // not "True"
        auto frame = makeFrame();
        QVERIFY(frame->gotoNextBox()->isChecked());
        QVERIFY(!frame->enrichmentBox()->isChecked());
        frame->reportBox()->setChecked(true);
        frame->gotoNextBox()->setChecked(false);

        // HTTP chosen but no server: stored as no proxy.
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Http);
        QVERIFY(frame->proxyPanel()->serverField()->isEnabled() && frame->proxyPanel()->domainField()->isEnabled());
        QVERIFY(!frame->proxyPanel()->testButton()->isEnabled());
        QSignalSpy closed(frame.get(), &SettingFrame::signalClose);
        frame->slotClose();
        QCOMPARE(closed.size(), 1);
        QCOMPARE(preferences().value(QStringLiteral("proxy_type")), QStringLiteral("0"));
        QCOMPARE(preferences().value(QStringLiteral("goto_next")), QStringLiteral("False"));
        QCOMPARE(preferences().value(QStringLiteral("enrichment_enable")), QStringLiteral("False"));
        QCOMPARE(preferences().value(QStringLiteral("show_report")), QStringLiteral("True"));

        // The browser's proxy needs no server.
        frame->openSettings();
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::System);
        QVERIFY(!frame->proxyPanel()->serverField()->isEnabled());
        frame->slotClose();
        QCOMPARE(preferences().value(QStringLiteral("proxy_type")), QStringLiteral("3"));

        // The values reached the file.
        ConfigFile reread(preferences().directory(), QStringLiteral("preference.ini"));
        QCOMPARE(reread.value(QStringLiteral("proxy_type")), QStringLiteral("3"));
    }

    void switchingKindsKeepsTypedFields()
    {
        auto frame = makeFrame();
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Http);
        frame->proxyPanel()->serverField()->setText(QStringLiteral(" web.proxy "));
        frame->proxyPanel()->portField()->setText(QStringLiteral("8080"));
        frame->proxyPanel()->domainField()->setText(QStringLiteral("CORP"));
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Socks5);
        QCOMPARE(frame->proxyPanel()->serverField()->text(), QString());
        QVERIFY(!frame->proxyPanel()->domainField()->isEnabled());
        frame->proxyPanel()->serverField()->setText(QStringLiteral("socks.host"));
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Http);
        QCOMPARE(frame->proxyPanel()->serverField()->text(), QStringLiteral("web.proxy"));
        QCOMPARE(frame->proxyPanel()->portField()->text(), QStringLiteral("8080"));
        QCOMPARE(frame->proxyPanel()->domainField()->text(), QStringLiteral("CORP"));
        frame->slotClose();
        QCOMPARE(preferences().value(QStringLiteral("proxy_type")), QStringLiteral("1"));
        QCOMPARE(preferences().value(QStringLiteral("proxy_http_host")), QStringLiteral("web.proxy"));
        QCOMPARE(preferences().value(QStringLiteral("proxy_socks5_host")), QStringLiteral("socks.host"));
        // Closing installed it.
        QCOMPARE(QNetworkProxy::applicationProxy().hostName(), QStringLiteral("web.proxy"));
        setProxyKeys({{QStringLiteral("proxy_type"), QStringLiteral("0")}});
        ProxySettings::applyProxy(preferences());
    }

    void proxyTest()
    {
        // A proxy on loopback that answers for the account host's test page.
        RecordingHttpServer proxy;
        const QByteArray target = "http://127.0.0.1:9/test.htm";
        proxy.setReply(target, RecordingHttpServer::answer("ok"));
        auto frame = makeFrame();
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Http);
        frame->proxyPanel()->serverField()->setText(QStringLiteral("127.0.0.1"));
        frame->proxyPanel()->portField()->setText(QString::number(proxy.port()));
        frame->proxyPanel()->userField()->setText(QStringLiteral("bob"));
        frame->proxyPanel()->domainField()->setText(QStringLiteral("CORP"));
        QVERIFY(frame->proxyPanel()->testButton()->isEnabled());
        frame->slotTestProxy();
        QCOMPARE(frame->proxyPanel()->testButton()->text(), QStringLiteral("Checking..."));
        QCOMPARE(frame->proxyPanel()->proxyUnderTest().user(), QStringLiteral("CORP/bob")); // "/" in the test
        QTRY_VERIFY_WITH_TIMEOUT(!frame->proxyPanel()->resultLabel()->isHidden(), 15000);
        QCOMPARE(frame->proxyPanel()->resultLabel()->text(), QStringLiteral("Valid proxy."));
        QCOMPARE(frame->proxyPanel()->resultLabel()->styleSheet(), QStringLiteral("color:green"));
        QCOMPARE(proxy.requests().value(0).target, target);
        QCOMPARE(frame->proxyPanel()->testButton()->text(), QStringLiteral("Check proxy settings"));

        // Editing a field hides the result; a proxy nobody runs is invalid.
        QTest::keyClick(frame->proxyPanel()->portField(), Qt::Key_Backspace);
        QVERIFY(!!frame->proxyPanel()->resultLabel()->isHidden());
        frame->proxyPanel()->portField()->setText(QStringLiteral("9"));
        frame->slotTestProxy();
        QTRY_VERIFY_WITH_TIMEOUT(!frame->proxyPanel()->resultLabel()->isHidden(), 15000);
        QCOMPARE(frame->proxyPanel()->resultLabel()->text(), QStringLiteral("Invalid proxy."));
        // Nothing was stored by testing.
        QCOMPARE(preferences().value(QStringLiteral("proxy_http_host")), QString());
    }

    void versionCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("state");
        QTest::newRow("newer") << QByteArray("2200|2.2.0|notes|2026-12-01|2100") << int(SettingFrame::Available);
        QTest::newRow("same") << QByteArray("2170|2.1.7|notes|2026-01-01|2100") << int(SettingFrame::UpToDate);
        QTest::newRow("four entries") << QByteArray("2200|2.2.0|notes|2026-12-01") << int(SettingFrame::Idle);
    }

    void versionCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, state);
        m_api.setReply("/update/quilletapp", RecordingHttpServer::answer(answer));
        auto frame = makeFrame();
        QSignalSpy errors(frame.get(), &SettingFrame::signalError);
        QSignalSpy updates(frame.get(), &SettingFrame::signlUpdate);
        QCOMPARE(frame->updateButton()->text(), QStringLiteral("Check for updates"));
        auto *icon = frame->findChild<RotatingPicture *>(QStringLiteral("updateIcon"));
        QVERIFY(icon);
        QVERIFY(!icon->isRunning());
        frame->slotUpdate();
        QCOMPARE(frame->updateState(), int(SettingFrame::Checking));
        QVERIFY(!frame->updateButton()->isEnabled());
        QCOMPARE(frame->updateTextLabel()->text(), QStringLiteral("Checking for updates..."));
        // The loading icon turns while the check runs.
        QVERIFY(!icon->isHidden());
        QVERIFY(icon->isRunning());
        const qreal angle = icon->animation()->angle();
        QTRY_VERIFY(icon->animation()->angle() != angle);
        QVERIFY(m_api.waitForRequests(1));
        QTest::qWait(300);
        QCOMPARE(frame->updateState(), int(SettingFrame::Checking)); // shown for at least a second
        QTRY_COMPARE_WITH_TIMEOUT(frame->updateState(), state, 5000);
        QVERIFY(!icon->isRunning());
        QVERIFY(icon->isHidden());
        if (state == SettingFrame::UpToDate) {
            QCOMPARE(frame->updateTextLabel()->text(), QStringLiteral("You're now running the latest version."));
            QVERIFY(frame->updateButton()->isEnabled());
        } else if (state == SettingFrame::Available) {
            QCOMPARE(frame->updateTextLabel()->text(), QStringLiteral("v 2.2.0 available"));
            QCOMPARE(frame->updateButton()->text(), QStringLiteral("Update now"));
            QCOMPARE(updates.size(), 1);
            QCOMPARE(updates.at(0).at(0).toInt(), 2200);
        } else {
            QCOMPARE(errors.size(), 1);
            QVERIFY(errors.at(0).at(0).toString().contains(QLatin1String("/Products/DownLoad")));
        }
    }

    void updaterExchange()
    {
        auto frame = makeFrame();
        frame->openWithUpdate(2200, QStringLiteral("2.2.0"), true);
        QCOMPARE(frame->updateState(), int(SettingFrame::Available));
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));

        // A program that cannot start: the failure text, still "Update now".
        QSignalSpy errors(frame.get(), &SettingFrame::signalError);
        frame->setUpdaterProgram(m_program.filePath(QStringLiteral("missing-update")));
        frame->slotUpdate();
        QCOMPARE(errors.size(), 1);
        QCOMPARE(frame->updateState(), int(SettingFrame::Available));

        // The test plays the updater on the channel.
        frame->setUpdaterProgram(QStringLiteral("/bin/true"));
        frame->slotUpdate();
        QCOMPARE(frame->updateState(), int(SettingFrame::Updating));
        QCOMPARE(frame->updateButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(AppSettings::settingConfig().value(QStringLiteral("user_guide")), QStringLiteral("True"));
        QLocalSocket updater;
        updater.connectToServer(QStringLiteral("QuilletUpdate"));
        QVERIFY(updater.waitForConnected(5000));
        updater.write("40\n 150 \n");
        updater.flush();
        QTRY_COMPARE(frame->updateProgress()->value(), 40);
        QTest::qWait(100);
        QCOMPARE(frame->updateProgress()->value(), 40); // above 100 is ignored

        // Cancel goes to the updater and back to "Update now".
        frame->slotUpdate();
        QTRY_VERIFY(updater.bytesAvailable() > 0 || updater.waitForReadyRead(100));
        QCOMPARE(updater.readAll(), QByteArray("Cancel\n"));
        QCOMPARE(frame->updateState(), int(SettingFrame::Available));
        QCOMPARE(frame->updateProgress()->value(), 0);

        // Started again, the updater finishes.
        frame->slotUpdate();
        QLocalSocket second;
        second.connectToServer(QStringLiteral("QuilletUpdate"));
        QVERIFY(second.waitForConnected(5000));
        QSignalSpy updates(frame.get(), &SettingFrame::signlUpdate);
        second.write("100\nUpdateSuccess\n");
        second.flush();
        QTRY_COMPARE(frame->updateState(), int(SettingFrame::Done));
        QCOMPARE(frame->updateButton()->text(), QStringLiteral("Restart Quillet"));
        QCOMPARE(updates.size(), 1);
        QCOMPARE(updates.at(0).at(0).toInt(), -1);
        // The version file is the updater's: the dialog leaves it alone and
        // keeps the installed version in its own copy.
        QFile file(m_program.filePath(QStringLiteral("ver.dat")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        QVERIFY(written.contains(">2170<"));
        QVERIFY(!written.contains("2200"));
        QCOMPARE(frame->installedVersion(), 2200);
        QTRY_VERIFY(second.state() != QLocalSocket::ConnectedState);

        QSignalSpy restart(frame.get(), &SettingFrame::signalRestart);
        frame->slotUpdate();
        QCOMPARE(restart.size(), 1);

        // Checked again before the restart, the offered version is the one
        // installed.
        m_api.setReply("/update/quilletapp", RecordingHttpServer::answer("2200|2.2.0|notes|2026-12-01|2100"));
        frame->openSettings();
        frame->slotUpdate();
        QTRY_COMPARE_WITH_TIMEOUT(frame->updateState(), int(SettingFrame::UpToDate), 5000);
    }

    // Without a version file the installed version is 0, so any version is newer.
    void missingVersionFile()
    {
        QVERIFY(QFile::remove(m_program.filePath(QStringLiteral("ver.dat"))));
        auto frame = makeFrame();
        QCOMPARE(frame->installedVersion(), 0);
    }

    void updaterFailure()
    {
        auto frame = makeFrame();
        frame->openWithUpdate(2200, QStringLiteral("2.2.0"), false);
        frame->setUpdaterProgram(QStringLiteral("/bin/true"));
        frame->slotUpdate();
        QLocalSocket updater;
        updater.connectToServer(QStringLiteral("QuilletUpdate"));
        QVERIFY(updater.waitForConnected(5000));
        QSignalSpy errors(frame.get(), &SettingFrame::signalError);
        updater.write("UpdateFail\n");
        updater.flush();
        QTRY_COMPARE(frame->updateState(), int(SettingFrame::Idle));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(frame->updateButton()->text(), QStringLiteral("Check for updates"));
    }

    void languageNeedsARestart()
    {
        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
        auto frame = makeFrame();
        QCOMPARE(frame->languageBox()->currentIndex(), 0);
        frame->slotLanguageChanged(0);
        QVERIFY(frame->restartHint()->isHidden());
        frame->slotLanguageChanged(3);
        QVERIFY(!frame->restartHint()->isHidden());
        QCOMPARE(preferences().value(QStringLiteral("language")), QStringLiteral("ja"));
        QSignalSpy restart(frame.get(), &SettingFrame::signalRestart);
        frame->restartButton()->click();
        QCOMPARE(restart.size(), 1);
        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
    }

    // Choosing a language brings the restart hint in beside the list: the
    // list keeps its width and the hint wraps rather than being cut.
    void languageListKeepsItsWidth()
    {
        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
        auto frame = makeFrame();
        frame->resize(560, frame->sizeHint().height());
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        QComboBox *box = frame->languageBox();
        const int before = box->width();
        QVERIFY(before >= box->sizeHint().width());
        box->setCurrentIndex(2);
        emit box->activated(2);
        QVERIFY(!frame->restartHint()->isHidden());
        frame->layout()->activate();
        QCoreApplication::processEvents();
        QCOMPARE(box->width(), before);
        QLabel *hint = frame->restartHint();
        QVERIFY(hint->height() >= hint->heightForWidth(hint->width()));
        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
    }

    // "Restart Quillet" leaves the dialog like Close: the switches, the proxy
    // and the language reach the file the restarted program reads.
    void restartKeepsTheChoices()
    {
        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
        preferences().setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
        preferences().setValue(QStringLiteral("show_report"), QStringLiteral("False"));
        QVERIFY(preferences().save());
        auto frame = makeFrame();
        frame->gotoNextBox()->setChecked(false);
        frame->reportBox()->setChecked(true);
        frame->proxyPanel()->typeBox()->setCurrentIndex(ProxySettings::Socks5);
        frame->proxyPanel()->serverField()->setText(QStringLiteral(" socks.corp "));
        frame->languageBox()->setCurrentIndex(2);
        frame->slotLanguageChanged(2);
        QSignalSpy restart(frame.get(), &SettingFrame::signalRestart);
        QSignalSpy closed(frame.get(), &SettingFrame::signalClose);
        frame->restartButton()->click();
        QCOMPARE(restart.size(), 1);
        QCOMPARE(closed.size(), 0);
        ConfigFile reread(preferences().directory(), QStringLiteral("preference.ini"));
        QCOMPARE(reread.value(QStringLiteral("goto_next")), QStringLiteral("False"));
        QCOMPARE(reread.value(QStringLiteral("show_report")), QStringLiteral("True"));
        QCOMPARE(reread.value(QStringLiteral("proxy_type")), QStringLiteral("2"));
        QCOMPARE(reread.value(QStringLiteral("proxy_socks5_host")), QStringLiteral("socks.corp"));
        QCOMPARE(reread.value(QStringLiteral("language")), QStringLiteral("es"));
        QCOMPARE(QNetworkProxy::applicationProxy().hostName(), QStringLiteral("socks.corp"));

        // The same after a finished update, whose button restarts too.
        frame->openWithUpdate(2200, QStringLiteral("2.2.0"), false);
        frame->gotoNextBox()->setChecked(true);
        frame->setUpdaterProgram(QStringLiteral("/bin/true"));
        frame->slotUpdate();
        QLocalSocket updater;
        updater.connectToServer(QStringLiteral("QuilletUpdate"));
        QVERIFY(updater.waitForConnected(5000));
        updater.write("UpdateSuccess\n");
        updater.flush();
        QTRY_COMPARE(frame->updateState(), int(SettingFrame::Done));
        frame->slotUpdate();
        QCOMPARE(restart.size(), 2);
        ConfigFile after(preferences().directory(), QStringLiteral("preference.ini"));
        QCOMPARE(after.value(QStringLiteral("goto_next")), QStringLiteral("True"));

        preferences().setValue(QStringLiteral("language"), QStringLiteral("en"));
        setProxyKeys({{QStringLiteral("proxy_type"), QStringLiteral("0")}});
        ProxySettings::applyProxy(preferences());
        QVERIFY(preferences().save());
    }

    // "Update now" against the local services and the real updater program,
    // copied into a scratch program folder.
    void updateNowInstallsTheRelease()
    {
        LocalServices services;
        QVERIFY2(services.start(), qPrintable(services.errorOutput()));
        const QString release = services.dataDir() + QStringLiteral("/releases/2190");
        QVERIFY(QDir().mkpath(release + QStringLiteral("/files/docs")));
        QByteArray program(2 * 1024 * 1024, Qt::Uninitialized);
        for (int i = 0; i < program.size(); ++i)
            program[i] = char((quint32(i) * 7919u) >> 3);
        const auto write = [](const QString &path, const QByteArray &bytes) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        QVERIFY(write(release + QStringLiteral("/files/quillet-main"), program));
        QVERIFY(write(release + QStringLiteral("/files/docs/notes.txt"), "notes 2190"));
        QVERIFY(write(release + QStringLiteral("/manifest.json"),
                      R"({"version":2190,"text":"2.1.9.0","reset":false,"date":"","notes":"","files":[)"
                      R"({"name":"quillet-main","version":2190},{"name":"notes.txt","version":2190,"subdir":"docs"}]})"));

        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(QFile::copy(QStringLiteral(QUILLET_BINARY_DIR "/bin/update"), folder.filePath(QStringLiteral("update"))));
        QVERIFY(write(folder.filePath(QStringLiteral("quillet-main")), "old program"));
        // The dialog starts the updater with one argument; the updater is
        // told where this test's version service listens.
        const QString wrapper = folder.filePath(QStringLiteral("update-here"));
        QVERIFY(write(wrapper, QStringLiteral("#!/bin/sh\nexec \"%1\" \"$1\" --service-host %2\n")
                                   .arg(folder.filePath(QStringLiteral("update")), services.host())
                                   .toUtf8()));
        QFile::setPermissions(wrapper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ConfigFile installed(folder.path(), QStringLiteral("ver.dat"));
        installed.setValue(QStringLiteral("VersionId"), QStringLiteral("2170"));
        QVERIFY(installed.save());

        auto &addresses = GammaLib::ServiceAddresses::instance();
        const QString apiHost = addresses.host(GammaLib::ServiceAddresses::Api);
        addresses.setHost(GammaLib::ServiceAddresses::Api, services.host());
        auto frame = std::make_unique<SettingFrame>();
        addresses.setHost(GammaLib::ServiceAddresses::Api, apiHost);
        frame->setProgramFolder(folder.path());
        frame->setUpdaterProgram(wrapper);
        frame->openSettings();
        frame->show();
        QSignalSpy errors(frame.get(), &SettingFrame::signalError);
        QSignalSpy updates(frame.get(), &SettingFrame::signlUpdate);
        frame->updateButton()->click();
        QCOMPARE(frame->updateTextLabel()->text(), QStringLiteral("Checking for updates..."));
        QTRY_COMPARE_WITH_TIMEOUT(frame->updateState(), int(SettingFrame::Available), 20000);
        QCOMPARE(frame->updateTextLabel()->text(), QStringLiteral("v 2.1.9.0 available"));

        QList<int> progress;
        connect(frame->updateProgress(), &QProgressBar::valueChanged, this,
                [&progress](int value) { progress.append(value); });
        frame->updateButton()->click();
        QCOMPARE(frame->updateState(), int(SettingFrame::Updating));
        QTRY_COMPARE_WITH_TIMEOUT(frame->updateState(), int(SettingFrame::Done), 60000);
        QVERIFY(errors.isEmpty());
        QCOMPARE(frame->updateProgress()->value(), 100);
        for (int i = 1; i < progress.size(); ++i)
            QVERIFY(progress.at(i) > progress.at(i - 1));
        QCOMPARE(frame->updateButton()->text(), QStringLiteral("Restart Quillet"));
        QCOMPARE(updates.last().at(0).toInt(), -1);

        QFile replaced(folder.filePath(QStringLiteral("quillet-main")));
        QVERIFY(replaced.open(QIODevice::ReadOnly));
        QVERIFY(replaced.readAll() == program);
        QFile notes(folder.filePath(QStringLiteral("docs/notes.txt")));
        QVERIFY(notes.open(QIODevice::ReadOnly));
        QCOMPARE(notes.readAll(), QByteArray("notes 2190"));
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("quillet-main.old"))));
        QCOMPARE(GammaLib::VersionHelper::installedVersion(folder.path()), 2190);
        ConfigFile version(folder.path(), QStringLiteral("ver.dat"));
        QCOMPARE(version.value(QStringLiteral("File_notes.txt")), QStringLiteral("2190"));
    }

    void finishedUpdateClearsTheMainWindowsFlag()
    {
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        MainWnd window;
        window.show();
        window.slotGetLastVersionFinished({QStringLiteral("99999"), QStringLiteral("9.9"), QString(), QString(),
                                           QStringLiteral("0")});
        // The update is done: the title-bar hint opens the plain settings.
        emit window.settingFrame()->signlUpdate(-1, QString());
        window.slotGotoUpdate();
        QVERIFY(window.settingFrame()->isVisible());
        QCOMPARE(window.settingFrame()->updateState(), int(SettingFrame::Idle));
        window.settingFrame()->slotClose();
        window.slotCloseSetting();
    }

    void mainWindowOpensAndCloses()
    {
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        MainWnd window;
        QStringList shown;
        window.setMessagePresenter([&shown](const QString &text, const QStringList &, bool *) {
            shown.append(text);
            return int(QDialog::Accepted);
        });
        window.show();
        // Not over another cover that holds the window.
        window.setControlsLocked(true);
        window.slotShowSetting();
        QVERIFY(window.settingFrame()->isHidden() || !window.settingFrame()->isVisible());
        window.setControlsLocked(false);
        window.slotShowSetting();
        SettingFrame *frame = window.settingFrame();
        QVERIFY(frame->isVisible());
        QVERIFY(!window.close()); // locked while the dialog is up
        emit frame->signalError(QStringLiteral("boom"));
        QCOMPARE(shown, QStringList({"boom"}));
        frame->slotClose();
        QVERIFY(!frame->isVisible());
        window.slotCloseSetting();
        QVERIFY(!window.areControlsLocked());
    }
};

QTEST_MAIN(TestSettingFrame)
#include "tst_settingframe.moc"
