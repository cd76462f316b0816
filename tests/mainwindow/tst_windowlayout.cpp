// The main window's layout at the sizes a user meets: the report inside the
// editor pane, the exact rectangle after maximise and restore, the keyboard
// focus leaving the editor by Tab and the focus ring on buttons.
#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "mainwnd.h"
#include "reportframe.h"
#include "settingframe.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "titlebar.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

class TestWindowLayout : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Rejected); });
        window->show();
        return window;
    }

    // Texts wider than their label, or outside the pane, as "what: why".
    static QStringList clipped(ReportFrame *report)
    {
        QStringList problems;
        QWidget *viewport = report->form().scrollArea->viewport();
        QWidget *page = report->form().scrollArea->widget();
        if (page->width() > viewport->width())
            problems << QStringLiteral("page %1 wider than the pane %2").arg(page->width()).arg(viewport->width());
        if (report->form().scrollArea->horizontalScrollBar()->maximum() > 0)
            problems << QStringLiteral("sideways scrolling");
        const QList<QLabel *> labels = page->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QRect inViewport(label->mapTo(viewport, QPoint(0, 0)), label->size());
            if (inViewport.left() < 0 || inViewport.right() >= viewport->width())
                problems << QStringLiteral("\"%1\" outside the pane").arg(label->text());
            if (label->wordWrap()) {
                if (label->height() < label->heightForWidth(label->width()))
                    problems << QStringLiteral("\"%1\" cut at the bottom").arg(label->text());
            } else if (label->width() < label->sizeHint().width()) {
                problems << QStringLiteral("\"%1\" cut (%2 < %3)")
                                .arg(label->text()).arg(label->width()).arg(label->sizeHint().width());
            }
        }
        QPushButton *close = report->form().closeButton;
        const QRect button(close->mapTo(report, QPoint(0, 0)), close->size());
        if (!close->isVisible() || !report->rect().contains(button))
            problems << QStringLiteral("close button out of sight");
        if (close->width() < 28 || close->height() < 28)
            problems << QStringLiteral("close button too small");
        return problems;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        // Nobody listens there: the window's own requests fail at once.
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:9"));
    }

    void reportFitsTheEditorPane_data()
    {
        QTest::addColumn<bool>("minimum");
        QTest::addColumn<bool>("sidePanel");
        QTest::newRow("default size") << false << false;
        QTest::newRow("default size, side panel") << false << true;
        QTest::newRow("minimum size") << true << false;
        QTest::newRow("minimum size, side panel") << true << true;
    }

    void reportFitsTheEditorPane()
    {
        QFETCH(bool, minimum);
        QFETCH(bool, sidePanel);
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->ui().sidebarToggle->setChecked(sidePanel);
        if (minimum)
            window->resize(window->minimumSizeHint());
        QHash<int, int> categories{{0, 12}, {1, 9}, {2, 4}, {3, 25}, {4, 7}};
        window->report()->showReport(0.72, 0.38, categories, 98, 1007, {400, 300, 150, 90, 40, 27});
        window->slotReportButtonClicked();
        ReportFrame *report = window->report();
        QVERIFY(report->isVisible());
        QTRY_COMPARE(report->geometry(), window->ui().editorArea->geometry());
        QCoreApplication::processEvents();
        QCOMPARE(clipped(report).join(QLatin1String("; ")), QString());
        QTest::mouseClick(report->form().closeButton, Qt::LeftButton);
        QVERIFY(!report->isVisible());
    }

    // Showing the report button (after a review) does not widen the window,
    // and restoring after maximise gives back the exact rectangle, which can
    // be made smaller again.
    void restoreGivesBackTheExactRectangle()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect area = window->screen()->availableGeometry();
        const QRect before(area.left() + 40, area.top() + 30, window->width(), window->height());
        window->setGeometry(before);
        QTRY_COMPARE(window->geometry(), before);
        const int minimumWidth = window->minimumSizeHint().width();
        window->slotMax();
        QVERIFY(window->maximized());
        QTRY_VERIFY(window->geometry() != before);
        window->ui().reportButton->show();
        window->ui().summaryLine->show();
        window->slotRestore();
        QTRY_COMPARE(window->geometry(), before);
        QCOMPARE(window->minimumSizeHint().width(), minimumWidth);
        window->resize(minimumWidth, window->height());
        QTRY_COMPARE(window->width(), minimumWidth);
    }

    // At a window height of 560 pixels the settings dialog keeps every
    // field and button at its full height; the cover scrolls instead.
    void settingsKeepTheirHeightInALowWindow()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(window->width(), qMax(560, window->minimumSizeHint().height()));
        QTRY_VERIFY(window->height() <= 560 || window->height() == window->minimumSizeHint().height());
        window->slotShowSetting();
        SettingFrame *settings = window->settingFrame();
        QTRY_VERIFY(settings->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(settings->height(), settings->sizeHint().height());
        QStringList squashed;
        const QList<QWidget *> widgets = settings->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisible())
                continue;
            if (qobject_cast<QPushButton *>(widget) || qobject_cast<QLineEdit *>(widget)
                || qobject_cast<QComboBox *>(widget)) {
                if (widget->height() < widget->sizeHint().height())
                    squashed << widget->objectName() + QLatin1Char(' ')
                                    + (qobject_cast<QPushButton *>(widget)
                                           ? qobject_cast<QPushButton *>(widget)->text() : QString());
            }
        }
        QCOMPARE(squashed.join(QLatin1String("; ")), QString());
        window->slotCloseSetting();
    }

    // "Restart Quillet" in the settings, then Cancel in the close question:
    // the window is usable again, not left under the settings cover.
    void cancelledRestartLeavesNoCover()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->editor()->setDocumentText(QStringLiteral("Unsaved words."));
        window->slotShowSetting();
        QTRY_VERIFY(window->settingFrame()->isVisible());
        emit window->settingFrame()->signalRestart();
        QVERIFY(window->isVisible());
        QVERIFY(!window->settingFrame()->isVisible());
        QVERIFY(!window->areControlsLocked());
        QVERIFY(!window->isClosing());
    }

    // Tab leaves the editor for the next control; the text stays as it was.
    void tabMovesTheFocusOn()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        CustomTextEditor *editor = window->editor();
        editor->setDocumentText(QStringLiteral("Some text here."));
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(editor->toPlainText(), QStringLiteral("Some text here."));
        QVERIFY(!editor->hasFocus());
        QVERIFY(QApplication::focusWidget() != nullptr);
    }

    // The button with the keyboard focus carries a ring of its own colour,
    // two pixels wide, that no other button shows.
    void focusedButtonShowsARing()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        QPushButton *button = window->ui().openButton;
        QPushButton *other = window->ui().pasteButton;
        button->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(button->hasFocus());
        const QImage focused = button->grab().toImage();
        const QImage unfocused = other->grab().toImage();
        const QColor ring("#0a3d7a");
        const int middle = focused.height() / 2;
        for (int x : {0, 1})
            QCOMPARE(QColor(focused.pixel(x, middle)), ring);
        QVERIFY(QColor(unfocused.pixel(0, unfocused.height() / 2)) != ring);
    }
};

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
