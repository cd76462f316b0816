// The main window's document commands with the real files: open with the
// replace question, the recent-file list, save with the filter rules, and
// the close question's "Save".
#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "docxdocument.h"
#include "legacydocconverter.h"
#include "documentdialogs.h"
#include "documentfolder.h"
#include "mainwnd.h"
#include "progressoverlay.h"
#include "recentfilelist.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "transientnotice.h"

#include <QAction>
#include <QDialog>
#include <QElapsedTimer>
#include <QDir>
#include <QFileDialog>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct SaveChoice
{
    bool accept = true;
    QString path;
    QString filter;
};

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeScript(const QString &path, const QByteArray &body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n" + body) < 0)
        return false;
    file.close();
    return QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
}

// A stand-in for LibreOffice: writes its pid, waits until the file "go"
// appears beside it, then writes the converted document.
const QByteArray SlowOffice =
    "dir=$(dirname \"$0\")\n"
    "echo $$ > \"$dir/pid\"\n"
    "while [ $# -gt 0 ]; do [ \"$1\" = --outdir ] && out=$2; shift; done\n"
    "while [ ! -f \"$dir/go\" ]; do sleep 0.05; done\n"
    "printf 'converted' > \"$out/document.doc\"\n";

} // namespace

class TestDocumentCommands : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QTemporaryDir m_files;
    QStringList m_asked;
    int m_reply = QDialog::Accepted;
    bool m_saveButton = false;
    QString m_openChoice;
    SaveChoice m_saveChoice;
    int m_offeredFilter = -1;
    QStringList m_offeredFilters;
    QString m_proposedName;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &text, const QStringList &, bool *extra) {
            m_asked.append(text);
            *extra = m_saveButton;
            return m_reply;
        });
        DocumentDialogs dialogs;
        dialogs.open = [this] { return m_openChoice; };
        dialogs.save = [this](const QString &proposed, const QStringList &filters, int selected, QString *path,
                              QString *filter) {
            m_proposedName = proposed;
            m_offeredFilters = filters;
            m_offeredFilter = selected;
            *path = m_saveChoice.path;
            *filter = m_saveChoice.filter;
            return m_saveChoice.accept;
        };
        window->setDocumentDialogs(dialogs);
        window->show();
        return window;
    }

    QString file(const QString &name) const { return m_files.filePath(name); }

    static QStringList recent() { return RecentFileList(AppSettings::preferenceConfig()).paths(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_files.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        // Nobody listens there: the window's own requests fail at once.
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:9"));
    }

    void init()
    {
        m_asked.clear();
        m_reply = QDialog::Accepted;
        m_saveButton = false;
        m_openChoice.clear();
        m_saveChoice = {};
        AppSettings::preferenceConfig().setValue(QStringLiteral("recent_file_list"), QString());
        AppSettings::preferenceConfig().setValue(QStringLiteral("Save_Filter"), QStringLiteral("0"));
    }

    void openReplacesTextOnlyWhenConfirmed()
    {
        const QString path = file(QStringLiteral("REPORT.TXT"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("From the file.\n");
        out.close();

        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Typed text."));
        m_openChoice = path;
        m_reply = QDialog::Rejected;
        window->slotOpen();
        QCOMPARE(m_asked, QStringList({"The current text will be replaced. You may lose all edits if not "
                                       "saved. Proceed?"}));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Typed text."));
        QVERIFY(recent().isEmpty());

        m_reply = QDialog::Accepted;
        window->slotOpen();
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("From the file.\n"));
        QCOMPARE(recent().value(0), path);
        QCOMPARE(AppSettings::preferenceConfig().value(QStringLiteral("recent_file_list")).section('|', 0, 0),
                 path);

        // Blank text is replaced without a question.
        m_asked.clear();
        window->editor()->setDocumentText(QStringLiteral("  \n "));
        QVERIFY(window->loadDocument(path));
        QVERIFY(m_asked.isEmpty());
    }

    void missingRecentFileIsDropped()
    {
        const QString kept = file(QStringLiteral("kept.txt"));
        QFile out(kept);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.close();
        const QString gone = file(QStringLiteral("gone.docx"));
        RecentFileList list(AppSettings::preferenceConfig());
        list.add(kept);
        list.add(gone);

        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Still here."));
        QAction entry;
        entry.setData(gone);
        connect(&entry, &QAction::triggered, window.get(), &MainWnd::slotOpenRecentFile);
        entry.trigger();
        QCOMPARE(m_asked.last(), QStringLiteral("Failed to load file. Either the file doesn't exist, or the file "
                                                "format is not supported."));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Still here."));
        QCOMPARE(recent(), QStringList({kept}));
    }

    void openWordDocument()
    {
        const QString path = file(QStringLiteral("essay.docx"));
        QVERIFY(DocxDocument::writeText(path, QStringLiteral("Title\nBody text.")));
        auto window = makeWindow();
        QVERIFY(window->loadDocument(path));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Title\nBody text."));
    }

    void saveFollowsTheFilter()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Dear reader,\nhello."));

        m_saveChoice = {true, file(QStringLiteral("essay")), QStringLiteral("Word document(*.docx)")};
        window->slotSaveAs();
        QVERIFY(m_proposedName.startsWith(QLatin1String("Quillet_")) && m_proposedName.endsWith(QLatin1String(".txt")));
        QCOMPARE(m_offeredFilter, 0);
        QString read;
        QVERIFY(DocxDocument::readText(file(QStringLiteral("essay.docx")), &read));
        QCOMPARE(read, QStringLiteral("Dear reader,\nhello."));
        QCOMPARE(AppSettings::preferenceConfig().value(QStringLiteral("Save_Filter")), QStringLiteral("1"));
        QVERIFY(recent().isEmpty()); // saving leaves the recent list alone

        // The next dialog preselects the filter used last; a typed ".TXT" wins.
        m_saveChoice = {true, file(QStringLiteral("essay.TXT")), QStringLiteral("Word document(*.docx)")};
        window->slotSaveAs();
        QCOMPARE(m_offeredFilter, 1);
        QCOMPARE(fileBytes(file(QStringLiteral("essay.TXT"))), QByteArray("Dear reader,\nhello."));
        QVERIFY(m_asked.isEmpty());
    }

    void saveFailuresAreReported()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Text."));
        m_saveChoice = {true, file(QStringLiteral("no/such/folder/a.txt")), QStringLiteral("Text document(*.txt)")};
        window->slotSaveAs();
        QCOMPARE(m_asked.value(0), QStringLiteral("Failed to save file."));

        m_saveChoice = {true, file(QStringLiteral("no/such/folder/a")), QStringLiteral("Word document(*.docx)")};
        window->slotSaveAs();
        QCOMPARE(m_asked.value(1), QStringLiteral("Failed to save file.\nEither you're trying to over-write a "
                                                  "file which is in use. Or you may have to install Office first."));
    }

    // The Word 97-2003 choice is offered only when LibreOffice is installed.
    void legacyFilterNeedsLibreOffice()
    {
        QTemporaryDir tools;
        LegacyDocConverter::setSearchPaths({tools.path()});
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Text."));
        AppSettings::preferenceConfig().setValue(QStringLiteral("Save_Filter"), QStringLiteral("2"));
        m_saveChoice.accept = false;
        window->slotSaveAs();
        QCOMPARE(m_offeredFilters, QStringList({"Text document(*.txt)", "Word document(*.docx)"}));
        QCOMPARE(m_offeredFilter, 0); // the stored choice is not there

        QVERIFY(writeScript(tools.filePath(QStringLiteral("libreoffice")), "exit 1\n"));
        window->slotSaveAs();
        QCOMPARE(m_offeredFilters.size(), 3);
        QCOMPARE(m_offeredFilters.value(2), QStringLiteral("Word 97-2003 document(*.doc)"));
        QCOMPARE(m_offeredFilter, 2);
        LegacyDocConverter::setSearchPaths({});
    }

    // LibreOffice runs on a worker thread: the window keeps answering, with
    // the save cover up and its controls locked, until the document is written.
    void legacySaveRunsOffTheGuiThread()
    {
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath(QStringLiteral("soffice")), SlowOffice));
        LegacyDocConverter::setSearchPaths({tools.path()});
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Old words."));
        m_saveChoice = {true, file(QStringLiteral("old")), QStringLiteral("Word 97-2003 document(*.doc)")};

        bool coverSeen = false;
        bool lockedSeen = false;
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            ++ticks; // the GUI thread runs while LibreOffice works
            if (!window->isSavingDocument() || !QFile::exists(tools.filePath(QStringLiteral("pid"))))
                return;
            coverSeen = window->saveCover() && window->saveCover()->isVisible();
            lockedSeen = window->areControlsLocked();
            if (ticks > 5) {
                QFile go(tools.filePath(QStringLiteral("go")));
                go.open(QIODevice::WriteOnly);
            }
        });
        ticker.start(20);
        window->slotSaveAs();
        ticker.stop();
        QVERIFY(coverSeen);
        QVERIFY(lockedSeen);
        QVERIFY(ticks > 5);
        QCOMPARE(fileBytes(file(QStringLiteral("old.doc"))), QByteArray("converted"));
        QVERIFY(m_asked.isEmpty());
        QVERIFY(!window->saveCover()->isVisible());
        QVERIFY(!window->areControlsLocked());
        QVERIFY(!window->isSavingDocument());
        LegacyDocConverter::setSearchPaths({});
    }

    // Cancel on the cover ends LibreOffice and leaves the file as it was,
    // with no failure message.
    void legacySaveCancelled()
    {
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath(QStringLiteral("soffice")), SlowOffice));
        LegacyDocConverter::setSearchPaths({tools.path()});
        const QString target = file(QStringLiteral("kept.doc"));
        {
            QFile existing(target);
            QVERIFY(existing.open(QIODevice::WriteOnly));
            existing.write("old bytes");
        }
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("New words."));
        m_saveChoice = {true, target, QStringLiteral("Word 97-2003 document(*.doc)")};
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (window->isSavingDocument() && QFile::exists(tools.filePath(QStringLiteral("pid"))))
                window->saveCover()->cancelButton()->click();
        });
        ticker.start(20);
        window->slotSaveAs();
        ticker.stop();
        QCOMPARE(fileBytes(target), QByteArray("old bytes"));
        QVERIFY(m_asked.isEmpty());
        QVERIFY(!window->saveCover()->isVisible());
        // The converter is gone.
        const QByteArray pid = fileBytes(tools.filePath(QStringLiteral("pid"))).trimmed();
        QVERIFY(!pid.isEmpty());
        QTRY_VERIFY(!QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid)));
        LegacyDocConverter::setSearchPaths({});
    }

    // Where the file dialogs start, as a rule on folders: the folder used
    // last, else the newest recent document's that still exists, else the
    // documents folder, else home; never the program's working folder.
    void startFolderRule()
    {
        QTemporaryDir last;
        QTemporaryDir recentFolder;
        QTemporaryDir program;
        QVERIFY(last.isValid() && recentFolder.isValid() && program.isValid());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(program.path());
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });
        const QString gone = m_files.filePath(QStringLiteral("gone/a.txt"));
        const QString kept = recentFolder.filePath(QStringLiteral("b.txt"));

        QCOMPARE(DocumentFolder::startFolder(last.path(), {kept}), last.path());
        QCOMPARE(DocumentFolder::startFolder(QString(), {gone, kept}), recentFolder.path());
        QCOMPARE(DocumentFolder::startFolder(m_files.filePath(QStringLiteral("gone")), {kept}),
                 recentFolder.path());
        const QString fallback = DocumentFolder::startFolder(QString(), {gone});
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(fallback, QFileInfo(documents).isDir() ? documents : QDir::homePath());
        QVERIFY(QDir(fallback).canonicalPath() != QDir(program.path()).canonicalPath());
    }

    // The real dialogs, prepared as the window shows them but answered
    // without running: each starts where the rule says and remembers the
    // folder chosen last.
    void fileDialogsStartWhereTheUserWorks()
    {
        QTemporaryDir program;
        QVERIFY(program.isValid());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(program.path());
        const auto restore = qScopeGuard([&] { QDir::setCurrent(previous); });

        QStringList startedIn;
        QString answer;
        QString filterShown;
        DocumentDialogs dialogs = DocumentDialogs::standard(nullptr, [&](QFileDialog &dialog) {
            startedIn << dialog.directory().absolutePath();
            filterShown = dialog.selectedNameFilter();
            return answer;
        });
        const QString firstStart = DocumentFolder::startFolder(QString(), {});
        QVERIFY(QDir(firstStart).canonicalPath() != QDir(program.path()).canonicalPath());
        QCOMPARE(dialogs.open(), QString());
        QCOMPARE(startedIn.last(), QDir(firstStart).absolutePath());

        QVERIFY(QDir(m_files.path()).mkpath(QStringLiteral("essays")));
        answer = file(QStringLiteral("essays/opened.txt"));
        QCOMPARE(dialogs.open(), answer);
        QString path;
        QString filter;
        answer = file(QStringLiteral("saved.txt"));
        QVERIFY(dialogs.save(QStringLiteral("saved"), {QStringLiteral("Text document(*.txt)")}, 0, &path, &filter));
        QCOMPARE(startedIn.last(), QDir(file(QStringLiteral("essays"))).absolutePath());
        QCOMPARE(path, answer);
        QCOMPARE(filter, QStringLiteral("Text document(*.txt)"));
        answer.clear();
        QVERIFY(!dialogs.save(QStringLiteral("x"), {QStringLiteral("Text document(*.txt)")}, 0, &path, &filter));
        QCOMPARE(startedIn.last(), QDir(m_files.path()).absolutePath());

        // A new run starts where the newest recent document lies.
        AppSettings::preferenceConfig().setValue(QStringLiteral("recent_file_list"), QString());
        RecentFileList(AppSettings::preferenceConfig()).add(file(QStringLiteral("essays/opened.txt")));
        DocumentDialogs next = DocumentDialogs::standard(nullptr, [&](QFileDialog &dialog) {
            startedIn << dialog.directory().absolutePath();
            return QString();
        });
        next.open();
        QCOMPARE(startedIn.last(), QDir(file(QStringLiteral("essays"))).absolutePath());
    }

    // A save that worked says so in the window; a failed one does not.
    void savedNoticeOnlyAfterASave()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Text."));
        m_saveChoice = {true, file(QStringLiteral("no/such/folder/a.txt")), QStringLiteral("Text document(*.txt)")};
        window->slotSaveAs();
        QVERIFY(!window->notice()->isShowing());
        m_saveChoice = {true, file(QStringLiteral("noticed.txt")), QStringLiteral("Text document(*.txt)")};
        window->slotSaveAs();
        QVERIFY(window->notice()->isShowing());
        QCOMPARE(window->notice()->text(), QStringLiteral("Successfully saved."));
    }

    void closeWithSaveCancelledStaysOpen()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Unsaved words."));
        m_saveButton = true; // "Save" in the close question
        m_saveChoice.accept = false; // and then the save dialog is cancelled
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Unsaved words."));

        // Saved this time: the close goes on (the window hides for its upload).
        m_saveChoice = {true, file(QStringLiteral("closing.txt")), QStringLiteral("Text document(*.txt)")};
        window->close();
        QCOMPARE(fileBytes(file(QStringLiteral("closing.txt"))), QByteArray("Unsaved words."));
        QTRY_VERIFY(!window->isVisible());
    }
};

QTEST_MAIN(TestDocumentCommands)
#include "tst_documentcommands.moc"
