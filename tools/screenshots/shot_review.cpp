// Opens the main window on a sample essay, reviews it against freshly started
// local services and saves a picture of the screen: shot-review <out.png> [menu|settings|update]
// ("menu" opens the title-bar menu, "settings" the settings dialog, before the
// picture is taken; "update" runs "Update now" in the settings dialog with
// the real updater on a scratch program folder, pictured half-way).
#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "localservices.h"
#include "custommenubar.h"
#include "mainwnd.h"
#include "recordinghttpserver.h"
#include "settingframe.h"
#include "sentencesplitter.h"
#include "useraccess.h"

#include <QApplication>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: shot-review <out.png>\n");
        return 2;
    }
    AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
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
    if (argc > 2 && qstrcmp(argv[2], "menu") == 0) {
        CustomMenuBar *menu = window.menuBar();
        menu->mainMenu()->popup(menu->mapToGlobal(QPoint(0, menu->height())));
        QTest::qWait(500);
    }
    if (argc > 2 && qstrcmp(argv[2], "settings") == 0) {
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
