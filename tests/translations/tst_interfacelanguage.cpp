// The program started in each interface language, as start-up installs it
// from the files beside the program: the main window, settings and sign-in
// dialog in that language, the Chinese addresses and exam levels, and the
// language picked in the settings surviving a restart.
#include "accessdlg.h"
#include "appsettings.h"
#include "configfile.h"
#include "currentlanguage.h"
#include "elidedlabel.h"
#include "languagechoice.h"
#include "mainwnd.h"
#include "mainwndui.h"
#include "messagebox.h"
#include "preferences.h"
#include "reportframe.h"
#include "reviewrun.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "servicesfixture.h"
#include "settingframe.h"
#include "titlebar.h"
#include "tutorialoverlay.h"
#include "useraccess.h"
#include "voccataprogressbar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QToolBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QtTest>

#include <memory>

namespace {

const char *const kEssay =
    "My Summer Holiday\n\n"
    "Last summer I go to the seaside with my family. The wether was very good almost every day. "
    "We analysed the economic consequences of tourism and the environment in a short report. "
    "Their was also a small museum with a lot of thing about the history of the town.";

QStringList texts(const QList<QPushButton *> &buttons)
{
    QStringList result;
    for (QPushButton *button : buttons)
        result << button->text();
    return result;
}

// True when the widget is placed by a layout of its parent (at any depth).
bool laidOut(QLayout *layout, QWidget *widget)
{
    if (!layout)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (item->widget() == widget)
            return true;
        if (item->layout() && laidOut(item->layout(), widget))
            return true;
    }
    return false;
}

QString describe(QWidget *widget, const QString &text)
{
    return QStringLiteral("%1 \"%2\" (%3x%4)")
        .arg(QString::fromLatin1(widget->metaObject()->className()), text.left(50))
        .arg(widget->width())
        .arg(widget->height());
}

// Texts that do not fit their widget, and laid-out neighbours that overlap,
// among everything visible under root.
QStringList layoutProblems(QWidget *root)
{
    QStringList problems;
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(root) || qobject_cast<ElidedLabel *>(widget))
            continue;
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                if (label->height() < label->heightForWidth(label->width()))
                    problems << QStringLiteral("cut off below: ") + describe(label, label->text());
            } else if (label->width() < label->minimumSizeHint().width()
                       || label->height() < label->minimumSizeHint().height()) {
                problems << QStringLiteral("clipped: ") + describe(label, label->text())
                                + QStringLiteral(", needs %1x%2")
                                      .arg(label->minimumSizeHint().width())
                                      .arg(label->minimumSizeHint().height());
            }
        } else if (auto *check = qobject_cast<QCheckBox *>(widget)) {
            if (check->width() < check->sizeHint().width())
                problems << QStringLiteral("clipped: ") + describe(check, check->text());
        } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
            const QString text = button->text();
            if (!text.isEmpty() && button->width() < button->fontMetrics().horizontalAdvance(text) + 4)
                problems << QStringLiteral("clipped: ") + describe(button, text);
        } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
            if (group->width() < group->fontMetrics().horizontalAdvance(group->title()) + 8)
                problems << QStringLiteral("clipped title: ") + describe(group, group->title());
        }
    }
    // Overlaps between neighbours the layouts placed.
    for (QWidget *parent : QList<QWidget *>{root} + widgets) {
        if (!parent->layout() || !parent->isVisibleTo(root) && parent != root)
            continue;
        QList<QWidget *> placed;
        for (QObject *child : parent->children()) {
            auto *widget = qobject_cast<QWidget *>(child);
            if (widget && !widget->isWindow() && widget->isVisibleTo(root) && laidOut(parent->layout(), widget))
                placed << widget;
        }
        for (int i = 0; i < placed.size(); ++i)
            for (int j = i + 1; j < placed.size(); ++j) {
                const QRect both = placed[i]->geometry().intersected(placed[j]->geometry());
                if (both.width() > 1 && both.height() > 1)
                    problems << QStringLiteral("overlap: ") + describe(placed[i], QString()) + QStringLiteral(" and ")
                                    + describe(placed[j], QString());
            }
    }
    return problems;
}

void settle(QWidget *window)
{
    for (int i = 0; i < 5; ++i) {
        if (window->layout())
            window->layout()->activate();
        QCoreApplication::processEvents();
    }
    QTest::qWait(50);
}

} // namespace

class TestInterfaceLanguage : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    std::unique_ptr<QTranslator> m_application;
    std::unique_ptr<QTranslator> m_toolkit;

    // Start-up's language step, in the program's folder where the translation
    // files are installed; the stored choice decides.
    QString startIn(ConfigFile &preferences)
    {
        m_application = std::make_unique<QTranslator>();
        m_toolkit = std::make_unique<QTranslator>();
        if (!QDir::setCurrent(QCoreApplication::applicationDirPath()))
            return QString();
        return LanguageChoice::install(preferences, QLocale::English, *m_application, *m_toolkit);
    }

    QString startWith(const QString &stored)
    {
        AppSettings::preferenceConfig().setValue(QStringLiteral("language"), stored);
        return startIn(AppSettings::preferenceConfig());
    }

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) { return QDialog::Rejected; });
        window->show();
        return window;
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_fixture.setUp(QStringLiteral("reader@example.com"), QStringLiteral("secret-1"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Preferences().setShowReport(true);
    }

    void init()
    {
        m_fixture.reset();
    }

    // Back to English between the cases, as a new start would be.
    void cleanup()
    {
        if (m_application)
            QCoreApplication::removeTranslator(m_application.get());
        if (m_toolkit)
            QCoreApplication::removeTranslator(m_toolkit.get());
        m_application.reset();
        m_toolkit.reset();
        GammaLib::currentLanguage() = QStringLiteral("en");
        GammaLib::ServiceAddresses::instance().useChineseAddresses(false);
    }

    void chineseInterface()
    {
        QCOMPARE(startWith(QStringLiteral("zh-CN")), QStringLiteral("zh-CN"));
        QCOMPARE(GammaLib::currentLanguage(), QStringLiteral("zh-CN"));
        auto &addresses = GammaLib::ServiceAddresses::instance();
        QVERIFY(addresses.explanationBase().endsWith(QStringLiteral("/chs/")));
        QVERIFY(addresses.dictionaryBase().endsWith(QStringLiteral("/Veska/QLDictCN?content=")));
        // The toolkit's own texts come along.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));

        auto window = makeWindow();
        const MainWndUi &ui = window->ui();
        QCOMPARE(ui.reviewButton->text(), QStringLiteral("批改"));
        QCOMPARE(ui.openButton->text(), QStringLiteral("打开"));
        QCOMPARE(ui.sidebarToggle->text(), QStringLiteral("侧边栏"));
        QCOMPARE(ui.searchField->placeholderText(), QStringLiteral("查词或翻译"));

        SettingFrame *settings = window->settingFrame();
        QCOMPARE(settings->restartButton()->text(), QStringLiteral("重新启动 Quillet"));
        QCOMPARE(settings->enrichmentBox()->text(), QStringLiteral("除语法和拼写修改外，也显示润色建议。"));

        {
            AccessDlg dialog;
            const QStringList buttons = texts(dialog.findChildren<QPushButton *>());
            QVERIFY2(buttons.contains(QStringLiteral("注册")), qPrintable(buttons.join(QLatin1Char('|'))));
            QVERIFY(buttons.contains(QStringLiteral("登录")));
            QVERIFY(buttons.contains(QStringLiteral("新浪微博")));
            auto *sina = dialog.findChild<QPushButton *>(QStringLiteral("sinaButton"));
            QVERIFY(sina);
            QVERIFY(!sina->isHidden());
        }

        // A review against the local services: the report counts the words
        // by Chinese exam level and names the levels in Chinese.
        QVERIFY(runReview(*window, QString::fromLatin1(kEssay)));
        QCOMPARE(window->lastError(), 0);
        QVERIFY(!window->liveMarks().isEmpty());
        QVERIFY(ui.wordsLabel->text().startsWith(QStringLiteral("词数：")));
        ReportFrame *report = window->report();
        QVERIFY(report->isVisible());
        const QStringList exams{QStringLiteral("高中"), QStringLiteral("四级"), QStringLiteral("六级"),
                                QStringLiteral("雅思"), QStringLiteral("托福"), QStringLiteral("GRE")};
        QStringList axes;
        QStringList bars;
        int counted = 0;
        for (int i = 0; i < 6; ++i) {
            axes << report->form().axisLabels[i]->text();
            bars << report->form().levelBars[i]->levelText();
            counted += report->form().levelBars[i]->count();
        }
        QCOMPARE(axes, exams);
        QCOMPARE(bars, exams);
        QVERIFY(counted > 0);
        QCOMPARE(report->form().ringTitles[0]->text(), QStringLiteral("拼写错误"));
    }

    void japaneseInterface()
    {
        QCOMPARE(startWith(QStringLiteral("ja")), QStringLiteral("ja"));
        auto &addresses = GammaLib::ServiceAddresses::instance();
        QVERIFY(addresses.explanationBase().endsWith(QStringLiteral("/eng")));
        auto window = makeWindow();
        QCOMPARE(window->ui().reviewButton->text(), QStringLiteral("校正"));
        QCOMPARE(window->ui().clearAllButton->text(), QStringLiteral("すべて消去"));
        QCOMPARE(window->settingFrame()->restartButton()->text(), QStringLiteral("Quillet を再起動"));
        AccessDlg dialog;
        const QStringList buttons = texts(dialog.findChildren<QPushButton *>());
        QVERIFY2(buttons.contains(QStringLiteral("新規登録")), qPrintable(buttons.join(QLatin1Char('|'))));
        QVERIFY(buttons.contains(QStringLiteral("Facebook でログイン")));
        auto *sina = dialog.findChild<QPushButton *>(QStringLiteral("sinaButton"));
        QVERIFY(sina && sina->isHidden());
        // The banner page is asked for, and comes, in Japanese.
        dialog.show();
        auto *banner = dialog.findChild<QWidget *>(QStringLiteral("bannerArea"));
        QVERIFY(banner);
        QTRY_VERIFY_WITH_TIMEOUT(banner->isVisible(), 30000);
        auto *view = dialog.findChild<QWebEngineView *>(QStringLiteral("bannerView"));
        QVERIFY(view);
        QCOMPARE(view->page()->profile()->httpAcceptLanguage(), QStringLiteral("ja"));
        QString shown;
        view->page()->toPlainText([&shown](const QString &text) { shown = text; });
        QTRY_VERIFY_WITH_TIMEOUT(shown.contains(QStringLiteral("校正")), 15000);
    }

    void spanishInterface()
    {
        QCOMPARE(startWith(QStringLiteral("es")), QStringLiteral("es"));
        auto window = makeWindow();
        QCOMPARE(window->ui().reviewButton->text(), QStringLiteral("Revisar"));
        QCOMPARE(window->ui().applyAllButton->text(), QStringLiteral("Aplicar todo"));
        QCOMPARE(window->settingFrame()->reportBox()->text(),
                 QStringLiteral("Mostrar las «Estadísticas de corrección» después de cada revisión."));
        AccessDlg dialog;
        const QStringList buttons = texts(dialog.findChildren<QPushButton *>());
        QVERIFY2(buttons.contains(QStringLiteral("Iniciar sesión")), qPrintable(buttons.join(QLatin1Char('|'))));
        // A review's report keeps the CEFR levels outside the Chinese interface.
        QVERIFY(runReview(*window, QString::fromLatin1(kEssay)));
        QCOMPARE(window->report()->form().axisLabels[0]->text(), QStringLiteral("A1"));
        QCOMPARE(window->report()->form().levelBars[0]->levelText(), QStringLiteral("A1 (Acceso)"));
    }

    // Picked in the settings of an English window, saved when the dialog
    // closes, and in force at the next start.
    void languageChosenInSettingsSurvivesRestart()
    {
        QCOMPARE(startWith(QStringLiteral("en")), QStringLiteral("en"));
        {
            auto window = makeWindow();
            QCOMPARE(window->ui().reviewButton->text(), QStringLiteral("Review"));
            SettingFrame *settings = window->settingFrame();
            settings->openSettings();
            const int japanese = settings->languageBox()->findText(QString::fromUtf8("日本語"));
            QVERIFY(japanese > 0);
            settings->languageBox()->setCurrentIndex(japanese);
            emit settings->languageBox()->activated(japanese);
            QVERIFY(!settings->restartButton()->isHidden());
            settings->slotClose();
        }
        cleanup();

        // The next start reads the file afresh.
        ConfigFile reread(AppSettings::preferenceConfig().directory(), QStringLiteral("preference.ini"));
        QCOMPARE(reread.value(QStringLiteral("language")), QStringLiteral("ja"));
        QCOMPARE(startIn(reread), QStringLiteral("ja"));
        auto window = makeWindow();
        QCOMPARE(window->ui().reviewButton->text(), QStringLiteral("校正"));
    }


    // Nothing clipped or overlapping in any language, at the default size and
    // at the smallest size the window allows.
    void layoutHolds_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("smallest");
        for (const char *code : {"zh-CN", "es", "ja", "en"}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, default size").arg(QLatin1String(code))))
                << QString::fromLatin1(code) << false;
            QTest::newRow(qPrintable(QStringLiteral("%1, smallest size").arg(QLatin1String(code))))
                << QString::fromLatin1(code) << true;
        }
    }

    void layoutHolds()
    {
        QFETCH(QString, code);
        QFETCH(bool, smallest);
        QCOMPARE(startWith(code), code);
        auto window = makeWindow();
        window->ui().sidebarToggle->setChecked(true);
        QVERIFY(runReview(*window, QString::fromLatin1(kEssay)));
        if (smallest)
            window->resize(1, 1);
        else
            window->resize(850, 640);
        settle(window.get());
        QVERIFY(window->width() >= 850 || smallest);
        // Every language, Spanish the longest, fits a screen 1024 pixels wide.
        QVERIFY2(window->minimumSizeHint().width() <= 1000, qPrintable(QString::number(window->minimumSizeHint().width())));

        // The report over the document, then the document with the side panel.
        QVERIFY(window->report()->isVisible());
        QStringList problems = layoutProblems(window->report());
        window->slotCloseReport();
        settle(window.get());
        problems << layoutProblems(window.get());

        window->slotShowSetting();
        settle(window.get());
        problems << layoutProblems(window->settingFrame());
        window->settingFrame()->slotClose();

        AccessDlg dialog;
        dialog.show();
        // With the banner up, as users see it.
        auto *banner = dialog.findChild<QWidget *>(QStringLiteral("bannerArea"));
        QVERIFY(banner);
        QTRY_VERIFY_WITH_TIMEOUT(banner->isVisible(), 30000);
        auto *pages = dialog.findChild<QToolBox *>();
        QVERIFY(pages);
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            settle(&dialog);
            problems << layoutProblems(&dialog);
            // Every page shows whole, without scrolling.
            auto *scroll = qobject_cast<QScrollArea *>(pages->widget(page)->parentWidget()->parentWidget());
            QVERIFY(scroll);
            if (scroll->verticalScrollBar()->isVisible())
                problems << QStringLiteral("sign-in page %1 scrolls").arg(page);
        }

        // The first-run tutorial over the window, page by page.
        {
            TutorialOverlay tutorial(window->ui().central);
            tutorial.setGeometry(window->ui().central->rect());
            tutorial.show();
            for (int page = 0; page < tutorial.pageCount(); ++page) {
                tutorial.setCurrentPage(page);
                settle(window.get());
                problems << layoutProblems(&tutorial);
            }
        }

        MessageBox box(QCoreApplication::translate(
                           "MainWnd",
                           "Oops, nobody answered. There's a connection error or Quillet is not home right "
                           "now.\t\t\t   \n\nPlease check your network connection. You may need to use proxy "
                           "under certain circumstances."),
                       {QCoreApplication::translate("MainWnd", "Log out"), QCoreApplication::translate("MainWnd", "Cancel"),
                        QCoreApplication::translate("MainWnd", "Save")});
        box.show();
        settle(&box);
        problems << layoutProblems(&box);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Without the file in any of the folders searched the interface stays English.
    void missingFileMeansEnglish()
    {
        QTemporaryDir elsewhere;
        AppSettings::preferenceConfig().setValue(QStringLiteral("language"), QStringLiteral("zh-CN"));
        m_application = std::make_unique<QTranslator>();
        m_toolkit = std::make_unique<QTranslator>();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        QCOMPARE(LanguageChoice::install(AppSettings::preferenceConfig(), QLocale::English, *m_application,
                                         *m_toolkit, {elsewhere.path()}),
                 QStringLiteral("en"));
        QVERIFY(QDir::setCurrent(QCoreApplication::applicationDirPath()));
        auto window = makeWindow();
        QCOMPARE(window->ui().reviewButton->text(), QStringLiteral("Review"));
    }
};

QTEST_MAIN(TestInterfaceLanguage)
#include "tst_interfacelanguage.moc"
