// Opens the main window on a sample essay, reviews it against freshly started
// local services and saves a picture of the screen:
//   shot-review <out.png> [report|review|menu|settings|signin|update] [en|zh-CN|es|ja]
// "report" (the default) keeps the report that follows the review, "review"
// closes it and shows the marks with the side panel, "menu" opens the
// title-bar menu, "settings" the settings dialog, "signin" pictures the
// sign-in dialog alone, "update" runs "Update now" in the settings dialog
// with the real updater on a scratch program folder, pictured half-way. The
// language is installed as start-up does, from the program's folder.
#include "accessdlg.h"
#include "appsettings.h"
#include "colorscheme.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "localservices.h"
#include "custommenubar.h"
#include "languagechoice.h"
#include "mainwnd.h"
#include "mainwndui.h"
#include "preferences.h"
#include "recordinghttpserver.h"
#include "settingframe.h"
#include "sentencesplitter.h"
#include "useraccess.h"
#include "windowsettings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <cstdio>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    ColorScheme::applyFromEnvironment(); // QUILLET_COLOR_SCHEME=dark pictures the dark window
    if (argc < 2) {
        std::fprintf(stderr, "usage: shot-review <out.png>\n");
        return 2;
    }
    const QByteArray view = argc > 2 ? QByteArray(argv[2]) : QByteArray("report");
    const QString language = argc > 3 ? QString::fromLatin1(argv[3]) : QStringLiteral("en");
    WindowSettings().setShowTutorial(false);
    Preferences preferences;
    preferences.setShowReport(true);
    preferences.setLanguage(language);
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    QTranslator applicationTranslator;
    QTranslator toolkitTranslator;
    if (LanguageChoice::install(AppSettings::preferenceConfig(), QLocale::English, applicationTranslator,
                                toolkitTranslator)
            != language
        && language != QLatin1String("en")) {
        std::fprintf(stderr, "no translation for %s beside the program\n", qPrintable(language));
        return 1;
    }
    GammaLib::prepareSegmentation();
    const bool update = argc > 2 && qstrcmp(argv[2], "update") == 0;
    LocalServices services;
    if (!services.start(update ? QStringList{QStringLiteral("--seed-update")} : QStringList())) {
        std::fprintf(stderr, "the local services did not start\n");
        return 1;
    }
    services.pointServiceTableHere();
    GammaLib::UserAccess::instance().setSessionKey(
        services.registerAndLogIn(QStringLiteral("reader@example.com"), QStringLiteral("pictures-1")));

    if (view == "signin") {
        AccessDlg dialog;
        dialog.move(40, 30);
        dialog.show();
        QTest::qWait(4000); // the banner page
        // Showing the banner re-creates the native window; put it back in place.
        dialog.move(40, 30);
        QTest::qWait(500);
        const QRect area = QRect(QPoint(40, 30), dialog.size()).adjusted(-10, -10, 10, 10);
        const QPixmap shot = dialog.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
        if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
            std::fprintf(stderr, "could not write %s\n", argv[1]);
            return 1;
        }
        return 0;
    }

    MainWnd window;
    window.setMessagePresenter([](const QString &, const QStringList &, bool *) { return 0; });
    window.setGeometry(40, 30, 1000, 640);
    window.show();
    window.editor()->setDocumentText(QStringLiteral(
        "A Day at the Lake\n\n"
        "Last summer my family and me went to the lake for a hole weekend. "
        "Their was a small cabin near the water, and we has a lot of fun there. "
        "Every morning I goes swimming before breakfast, even when the water was very cold.\n\n"
        "On Saturday we rented a boat and sailed to the other side of the lake. "
        "My brother catched three fish, but he let them go again. "
        "In the evening we sat by the fire and told storys until late at night. "
        "It was an really good trip and I want to go back next year."));
    window.slotReview();
    while (window.isReviewRunning())
        QTest::qWait(20);
    QTest::qWait(800);
    if (view == "review") {
        window.slotCloseReport();
        window.ui().sidebarToggle->setChecked(true);
        QTest::qWait(500);
    }
    if (view == "menu") {
        CustomMenuBar *menu = window.menuBar();
        menu->mainMenu()->popup(menu->mapToGlobal(QPoint(0, menu->height())));
        QTest::qWait(500);
    }
    if (view == "settings") {
        window.slotCloseReport(); // the report comes up after the review
        window.slotShowSetting();
        QTest::qWait(500);
    }
    // The updater's own version service: the first file arrives, the second
    // never does, so the picture shows the update under way.
    RecordingHttpServer files;
    QTemporaryDir program;
    if (update) {
        files.setReply("/update/quilletapp",
                       RecordingHttpServer::answer(("whatsnew.txt|2180|" + files.url(QStringLiteral("/f/1")) + "||;"
                                                    + "release-notes.txt|2180|" + files.url(QStringLiteral("/f/2"))
                                                    + "|docs;")
                                                       .toUtf8()));
        files.setReply("/f/1", RecordingHttpServer::answer("What is new in 2.1.8.0"));
        files.setReply("/f/2", RecordingHttpServer::neverAnswer());
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/update"),
                    program.filePath(QStringLiteral("update")));
        QFile wrapper(program.filePath(QStringLiteral("update-here")));
        if (!wrapper.open(QIODevice::WriteOnly))
            return 1;
        wrapper.write(QStringLiteral("#!/bin/sh\nexec \"%1\" \"$1\" --service-host %2\n")
                          .arg(program.filePath(QStringLiteral("update")), files.host())
                          .toUtf8());
        wrapper.close();
        wrapper.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ConfigFile installed(program.path(), QStringLiteral("ver.dat"));
        installed.setValue(QStringLiteral("VersionId"), QStringLiteral("2170"));
        installed.save();

        window.slotCloseReport();
        window.slotShowSetting();
        SettingFrame *frame = window.settingFrame();
        frame->setProgramFolder(program.path());
        frame->setUpdaterProgram(wrapper.fileName());
        frame->updateButton()->click();
        for (int i = 0; i < 1000 && frame->updateState() != SettingFrame::Available; ++i)
            QTest::qWait(20);
        frame->updateButton()->click();
        for (int i = 0; i < 1000 && frame->updateProgress()->value() < 50; ++i)
            QTest::qWait(20);
        if (frame->updateState() != SettingFrame::Updating) {
            std::fprintf(stderr, "the update did not run\n");
            return 1;
        }
        QTest::qWait(500);
    }
    const QPixmap shot = window.screen()->grabWindow(0, 0, 0, 1080, 700);
    if (update) {
        window.settingFrame()->updateButton()->click(); // "Cancel" ends the updater
        QTest::qWait(500);
    }
    if (!shot.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
