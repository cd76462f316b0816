// The title-bar menu: entries and order, the recent entries filled from the
// stored list, path shortening, and the window's use of both.
#include "appsettings.h"
#include "configfile.h"
#include "custommenubar.h"
#include "customtexteditor.h"
#include "mainwnd.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "titlebar.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QStringList entryTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

} // namespace

class TestMenuBar : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QTemporaryDir m_files;

    static ConfigFile &preferences() { return AppSettings::preferenceConfig(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid() && m_files.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:9"));
    }

    void init() { preferences().setValue(QStringLiteral("recent_file_list"), QString()); }

    void entriesInOrder()
    {
        CustomMenuBar bar(preferences());
        QCOMPARE(bar.menu(), bar.mainMenu()); // a click on the button opens it
        QCOMPARE(entryTexts(bar.mainMenu()),
                 QStringList({"Open...", "Recent files", "Save as...", "-", "Document templates", "User center",
                              "Settings", "Help", "-", "Log out", "Close Quillet"}));
        QCOMPARE(entryTexts(bar.openMenu()), QStringList({"Open local file", "Open from Evernote"}));
        QCOMPARE(entryTexts(bar.saveAsMenu()), QStringList({"Save to local file", "Save to Evernote"}));
        QCOMPARE(entryTexts(bar.helpMenu()), QStringList({"FAQ", "Feedback", "About Quillet"}));
        QCOMPARE(bar.recentActions().size(), 5);
        QVERIFY(!bar.recentMenu()->isEnabled()); // nothing stored yet
    }

    // The open menu holds the mouse; once it closes with the mouse elsewhere
    // the button no longer looks hovered.
    void hoverLookEndsWithTheMenu()
    {
        CustomMenuBar bar(preferences());
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QCursor::setPos(bar.mapToGlobal(QPoint(bar.width() + 200, bar.height() + 200)));
        bar.setAttribute(Qt::WA_UnderMouse, true); // as the mouse entering leaves it
        bar.mainMenu()->popup(bar.mapToGlobal(QPoint(0, bar.height())));
        QTRY_VERIFY(bar.mainMenu()->isVisible());
        bar.mainMenu()->hide();
        QTRY_VERIFY(!bar.underMouse());
    }

    void recentEntries()
    {
        CustomMenuBar bar(preferences());
        preferences().setValue(QStringLiteral("recent_file_list"), QStringLiteral("/d/a.txt"));
        bar.updateRecentFiles();
        QVERIFY(bar.recentMenu()->isEnabled());
        QCOMPARE(bar.recentActions().at(0)->text(), QStringLiteral("&1 /d/a.txt"));
        QCOMPARE(bar.recentActions().at(0)->data().toString(), QStringLiteral("/d/a.txt"));
        QVERIFY(bar.recentActions().at(0)->isVisible());
        for (int i = 1; i < 5; ++i)
            QVERIFY(!bar.recentActions().at(i)->isVisible());

        // Empty parts are kept; at most five are shown.
        preferences().setValue(QStringLiteral("recent_file_list"), QStringLiteral("/1|/2||/4|/5|/6|/7"));
        bar.updateRecentFiles();
        QStringList shown;
        for (QAction *entry : bar.recentActions())
            shown.append(entry->isVisible() ? entry->text() : QStringLiteral("hidden"));
        QCOMPARE(shown, QStringList({"&1 /1", "&2 /2", "&3 ", "&4 /4", "&5 /5"}));

        preferences().setValue(QStringLiteral("recent_file_list"), QString());
        bar.updateRecentFiles();
        QVERIFY(!bar.recentMenu()->isEnabled());
    }

    void pathShortening()
    {
        const QFontMetrics metrics(QFont(QStringLiteral("Arial"), 10));
        auto width = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
        const QString shortPath = QStringLiteral("/d/a.txt");
        QCOMPARE(CustomMenuBar::shortenedPath(shortPath, metrics), shortPath);

        // Deep folders: the first part, "...", the last folders that fit, the name.
        const QString deep = QStringLiteral("/home/writer/Documents/university/second-year/essays/final/essay.docx");
        const QString deepShown = CustomMenuBar::shortenedPath(deep, metrics);
        QVERIFY2(width(deepShown) <= 200, qPrintable(deepShown));
        QVERIFY2(deepShown.startsWith(QLatin1String("/.../")) && deepShown.endsWith(QLatin1String("/final/essay.docx")),
                 qPrintable(deepShown));
        QVERIFY(deep.endsWith(deepShown.mid(4)));

        // A long name in a shallow folder loses its middle.
        const QString longName = QStringLiteral("/docs/") + QString(60, QLatin1Char('n')) + QStringLiteral("-end.txt");
        const QString nameShown = CustomMenuBar::shortenedPath(longName, metrics);
        QVERIFY2(width(nameShown) <= 200, qPrintable(nameShown));
        QVERIFY2(nameShown.contains(QLatin1String("n...n")), qPrintable(nameShown));
        QVERIFY(nameShown.endsWith(QLatin1String("-end.txt")));

        // A limit nothing can meet still gives an answer.
        const QString tiny = CustomMenuBar::shortenedPath(deep, metrics, 5);
        QVERIFY(!tiny.isEmpty());
    }

    void windowKeepsTheMenuInStep()
    {
        const QString kept = m_files.filePath(QStringLiteral("kept.txt"));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Kept words.");
        file.close();

        MainWnd window;
        window.setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Accepted); });
        window.show();
        CustomMenuBar *menu = window.menuBar();
        QVERIFY(menu);
        QCOMPARE(menu->objectName(), QStringLiteral("pb_menu"));
        QVERIFY(menu->isVisible());

        // "Save as..." follows the text.
        QVERIFY(!menu->saveAsMenu()->isEnabled());
        window.editor()->setDocumentText(QStringLiteral("   "));
        QVERIFY(!menu->saveAsMenu()->isEnabled());
        window.editor()->setDocumentText(QStringLiteral("Words."));
        QVERIFY(menu->saveAsMenu()->isEnabled());

        // Opening a file lists it; a recent entry that fails to open is dropped.
        QVERIFY(window.loadDocument(kept));
        QVERIFY(menu->recentMenu()->isEnabled());
        QCOMPARE(menu->recentActions().at(0)->data().toString(), kept);
        QFile::remove(kept);
        menu->recentActions().at(0)->trigger();
        QVERIFY(!menu->recentMenu()->isEnabled());
        QCOMPARE(window.editor()->toPlainText(), QStringLiteral("Kept words."));

        // Locked with the rest of the title bar.
        window.setControlsLocked(true);
        QVERIFY(!menu->isEnabled());
        window.setControlsLocked(false);
        QVERIFY(menu->isEnabled());
    }
};

QTEST_MAIN(TestMenuBar)
#include "tst_menubar.moc"
