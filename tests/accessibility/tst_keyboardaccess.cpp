// The main window without a mouse, against the local services: Tab and the
// command keys reach Review, the next mark, apply and Save; the title-bar
// buttons take the focus and show it; every control a user can operate in
// the main window, the settings, the report and the sign-in dialog has a
// name for screen readers; the current mark is announced with its suggestion.
#include "accessdlg.h"
#include "appsettings.h"
#include "clickablelabel.h"
#include "configfile.h"
#include "correctionitem.h"
#include "custommenubar.h"
#include "custommenuitem.h"
#include "customtexteditor.h"
#include "documentdialogs.h"
#include "iconbutton.h"
#include "mainwnd.h"
#include "preferences.h"
#include "reportframe.h"
#include "reviewrun.h"
#include "servicesfixture.h"
#include "settingframe.h"
#include "titlebar.h"
#include "windowaccessibility.h"

#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>
#include <algorithm>

namespace {

const char *const kText = "This is an test of teh system. Their going to the park tomorow.";

// Controls a user operates: buttons, fields, lists, the editor, the mark labels
// and labels with links. The parts inside a composite control (a spin box's or
// a list's field) and scroll bars are left to their owner.
bool isInteractive(QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (parent && (qobject_cast<QAbstractSpinBox *>(parent) || qobject_cast<QComboBox *>(parent)
                   || qobject_cast<QLineEdit *>(parent)))
        return false;
    if (qobject_cast<QScrollBar *>(widget))
        return false;
    if (qobject_cast<ClickableLabel *>(widget) || qobject_cast<CustomMenuItem *>(widget))
        return true;
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->textInteractionFlags() & Qt::LinksAccessibleByMouse
               && label->text().contains(QLatin1String("<a "));
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QLineEdit *>(widget)
           || qobject_cast<QComboBox *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
           || qobject_cast<QAbstractSlider *>(widget) || qobject_cast<QTextEdit *>(widget);
}

QString describe(QWidget *widget)
{
    QString path = QString::fromLatin1(widget->metaObject()->className());
    if (!widget->objectName().isEmpty())
        path += QLatin1Char('#') + widget->objectName();
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->toolTip().isEmpty())
        path += QStringLiteral(" (tip \"%1\")").arg(button->toolTip());
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (!up->objectName().isEmpty()) {
            path += QStringLiteral(" in ") + up->objectName();
            break;
        }
    }
    return path;
}

// The interactive widgets shown under root (root too) that a screen reader
// would read out without a name.
QStringList unnamed(QWidget *root)
{
    QStringList problems;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : widgets) {
        if (!isInteractive(widget) || !widget->isVisibleTo(root))
            continue;
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        const QString name = face ? face->text(QAccessible::Name).trimmed() : QString();
        if (name.isEmpty())
            problems << describe(widget);
    }
    return problems;
}

} // namespace

// Records the addresses the program hands to the system browser.
class BrowserRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class TestKeyboardAccess : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    QTemporaryDir m_files;
    QString m_savedPath;
    int m_openDialogs = 0;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Accepted); });
        DocumentDialogs dialogs;
        dialogs.open = [this] {
            ++m_openDialogs;
            return QString();
        };
        dialogs.save = [this](const QString &, const QStringList &filters, int, QString *path, QString *filter) {
            *path = m_savedPath;
            *filter = filters.first(); // plain text
            return true;
        };
        window->setDocumentDialogs(dialogs);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    // Presses a key where the keyboard focus is, as the user's keyboard would.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QVERIFY(target);
        QTest::keyClick(target, key, modifiers);
    }

    // Tab until widget has the focus; false when a whole round never reaches it.
    static bool tabTo(QWidget *widget)
    {
        for (int i = 0; i < 60; ++i) {
            if (QApplication::focusWidget() == widget)
                return true;
            QWidget *from = QApplication::focusWidget();
            if (!from)
                return false;
            QTest::keyClick(from, Qt::Key_Tab);
        }
        return QApplication::focusWidget() == widget;
    }

    static bool waitForReview(MainWnd &window)
    {
        QTest::qWait(50);
        for (int i = 0; i < 6000 && window.isReviewRunning(); ++i)
            QTest::qWait(20);
        return !window.isReviewRunning();
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_fixture.setUp(QStringLiteral("keys@example.com"), QStringLiteral("secret-1"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QVERIFY(m_files.isValid());
    }

    void init()
    {
        m_fixture.reset();
        Preferences preferences;
        preferences.setShowReport(false);
        preferences.setGotoNext(false);
        preferences.save();
        m_savedPath = m_files.filePath(QStringLiteral("keyboard.txt"));
        QFile::remove(m_savedPath);
    }

    // Text typed, Tab to Review and Space, F8 to the next mark, Ctrl+Return
    // to apply it, Ctrl+S to save: no mouse anywhere.
    void reviewWithTheKeyboardOnly()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        CustomTextEditor *editor = window->editor();
        // The sample text arrives and its prompt takes the focus from the
        // empty editor; the first character typed still goes into the text.
        QWidget *prompt = editor->samplePrompt();
        QTRY_VERIFY(prompt->isVisible());
        QVERIFY(prompt->hasFocus());
        const QString text = QString::fromLatin1(kText);
        QTest::keyClicks(QApplication::focusWidget(), text.left(1));
        QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
        QVERIFY(editor->hasFocus());
        QVERIFY(!prompt->isVisible());
        QCOMPARE(editor->toPlainText(), text);

        QVERIFY(tabTo(window->ui().reviewButton));
        press(Qt::Key_Space);
        QVERIFY(waitForReview(*window));
        QVERIFY(window->liveMarks().size() >= 3);

        // The review leaves the first mark current and the editor focused.
        QTRY_VERIFY(editor->hasFocus());
        QList<CorrectionItem *> marks = window->liveMarks();
        std::sort(marks.begin(), marks.end(),
                  [](CorrectionItem *a, CorrectionItem *b) { return a->start() < b->start(); });
        QCOMPARE(window->currentMark(), marks.first());
        press(Qt::Key_F8);
        QCOMPARE(window->currentMark(), marks.at(1));
        // Shift+F8 goes back; at the ends the keys come round.
        press(Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(window->currentMark(), marks.first());
        press(Qt::Key_F8, Qt::ShiftModifier);
        QCOMPARE(window->currentMark(), marks.last());
        press(Qt::Key_F8);
        QCOMPARE(window->currentMark(), marks.first());
        press(Qt::Key_F8);
        CorrectionItem *second = marks.at(1);
        QCOMPARE(window->currentMark(), second);
        QVERIFY(editor->hasFocus());

        const QString before = editor->toPlainText();
        const QString flagged = second->flaggedText();
        const QString candidate = second->candidateText(0);
        press(Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(int(window->liveMarks().size()), int(marks.size()) - 1);
        QVERIFY(!window->liveMarks().contains(second));
        QVERIFY(editor->toPlainText() != before);
        QVERIFY2(candidate.isEmpty() || editor->toPlainText().contains(candidate),
                 qPrintable(flagged + QStringLiteral(" -> ") + candidate + QStringLiteral(": ") + editor->toPlainText()));
        // Ctrl+Return typed no line break.
        QVERIFY(!editor->toPlainText().contains(QLatin1Char('\n')));

        press(Qt::Key_S, Qt::ControlModifier);
        QFile saved(m_savedPath);
        QVERIFY2(saved.open(QIODevice::ReadOnly), "Ctrl+S saved nothing");
        QCOMPARE(QString::fromUtf8(saved.readAll()).trimmed(), editor->toPlainText().trimmed());
    }

    // The report after a review has its close button focused: Space closes
    // it; opened again from its button, Escape closes it.
    void reportClosesFromTheKeyboard()
    {
        Preferences preferences;
        preferences.setShowReport(true);
        preferences.save();
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(runReview(*window, QString::fromLatin1(kText)));
        ReportFrame *report = window->report();
        QTRY_VERIFY(report->isVisible());
        QTRY_VERIFY(report->form().closeButton->hasFocus());
        press(Qt::Key_Space);
        QTRY_VERIFY(!report->isVisible());

        window->ui().reportButton->click();
        QTRY_VERIFY(report->isVisible());
        QTRY_VERIFY(report->form().closeButton->hasFocus());
        QTest::keyClick(report->form().shareButton, Qt::Key_Escape);
        QTRY_VERIFY(!report->isVisible());
    }

    // F7 starts the review from the editor; the review keys do nothing while
    // the settings dialog is up.
    void reviewKeyAndTheLock()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        CustomTextEditor *editor = window->editor();
        editor->setDocumentText(QString::fromLatin1(kText));
        editor->setFocus();
        QTRY_VERIFY(editor->hasFocus());
        press(Qt::Key_F7);
        QVERIFY(window->isReviewRunning() || !window->liveMarks().isEmpty());
        QVERIFY(waitForReview(*window));
        QVERIFY(!window->liveMarks().isEmpty());

        window->slotShowSetting();
        QTRY_VERIFY(window->settingFrame()->isVisible());
        QVERIFY(window->areControlsLocked());
        const int marks = int(window->liveMarks().size());
        CorrectionItem *current = window->currentMark();
        QTest::keyClick(window.get(), Qt::Key_F8);
        QTest::keyClick(window.get(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(window->currentMark(), current);
        QCOMPARE(int(window->liveMarks().size()), marks);
        window->slotCloseSetting();
    }

    // The menu button and the title bar's icon buttons are on the Tab chain
    // and show a ring while they have the focus; F10 opens the menu.
    void titleBarTakesTheFocus()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        Titlebar *bar = window->ui().titlebar;
        QVERIFY(tabTo(bar->menuButton()));
        IconButton *minimise = bar->minButton();
        QVERIFY(tabTo(minimise));
        QVERIFY(minimise->hasFocus());
        const QImage focused = minimise->grab().toImage();
        minimise->clearFocus();
        const QImage plain = minimise->grab().toImage();
        const QColor ring("#0a3d7a");
        const int middle = focused.height() / 2;
        QCOMPARE(QColor(focused.pixel(1, middle)), ring);
        QVERIFY(QColor(plain.pixel(1, middle)) != ring);

        window->editor()->setFocus();
        QTRY_VERIFY(window->editor()->hasFocus());
        // The menu runs its own loop while it is up: a timer closes it.
        QMenu *menu = window->menuBar()->mainMenu();
        bool opened = false;
        QTimer closer;
        connect(&closer, &QTimer::timeout, menu, [menu, &opened] {
            if (menu->isVisible()) {
                opened = true;
                menu->close();
            }
        });
        closer.start(20);
        press(Qt::Key_F10);
        QTRY_VERIFY(opened);
        QTRY_VERIFY(!menu->isVisible());
        // The menu shows the standard keys of its commands.
        QCOMPARE(window->menuBar()->openLocalAction()->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(window->menuBar()->faqAction()->shortcut(), QKeySequence(Qt::Key_F1));
    }

    // F1 opens the help page (as the menu's FAQ entry does), Ctrl+O the open
    // dialog and Ctrl+, the settings.
    void menuCommandKeys()
    {
        BrowserRecorder browser;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->editor()->setFocus();
        QTRY_VERIFY(window->editor()->hasFocus());
        press(Qt::Key_F1);
        QCOMPARE(browser.opened.size(), 1);
        QCOMPARE(browser.opened.first().path(), QStringLiteral("/Help"));
        m_openDialogs = 0;
        press(Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(m_openDialogs, 1);
        press(Qt::Key_Comma, Qt::ControlModifier);
        QTRY_VERIFY(window->settingFrame()->isVisible());
        // Under the settings the other keys wait.
        QTest::keyClick(window.get(), Qt::Key_F1);
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(browser.opened.size(), 1);
        QCOMPARE(m_openDialogs, 1);
        window->slotCloseSetting();
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }

    // Every control of the main window after a review (labels under the marks
    // included), the settings dialog, the report and the sign-in dialog has a
    // name a screen reader can say.
    void everyControlHasAName()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(runReview(*window, QString::fromLatin1(kText)));
        QVERIFY(!window->liveMarks().isEmpty());
        window->ui().sidebarToggle->setChecked(true);
        window->ui().reportButton->show();
        QCOMPARE(unnamed(window.get()).join(QLatin1String("\n")), QString());
        ClickableLabel *label = window->liveMarks().first()->label();
        QVERIFY(label);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(face->text(QAccessible::Name), label->labelText());
        QVERIFY(face->text(QAccessible::Description).contains(window->liveMarks().first()->flaggedText()));

        window->slotShowSetting();
        QTRY_VERIFY(window->settingFrame()->isVisible());
        QCOMPARE(unnamed(window->settingFrame()).join(QLatin1String("\n")), QString());
        window->slotCloseSetting();

        ReportFrame *report = window->report();
        report->showReport(0.7, 0.4, {{0, 2}, {1, 1}, {3, 3}}, 2, 12, {4, 3, 2, 1, 1, 1});
        window->slotReportButtonClicked();
        QTRY_VERIFY(report->isVisible());
        QCOMPARE(unnamed(report).join(QLatin1String("\n")), QString());
        window->slotCloseReport();

        AccessDlg dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(unnamed(&dialog).join(QLatin1String("\n")), QString());
    }

    // Moving to a mark puts its flagged text and suggestion in the editor's
    // description; leaving the marks takes them out again.
    void currentMarkIsAnnounced()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        CustomTextEditor *editor = window->editor();
        const QString plain = editor->accessibleDescription();
        QVERIFY(!plain.isEmpty());
        QVERIFY(runReview(*window, QString::fromLatin1(kText)));
        CorrectionItem *mark = window->currentMark();
        QVERIFY(mark);
        QTRY_COMPARE(editor->accessibleDescription(), WindowAccessibility::markDescription(mark));
        QVERIFY(editor->accessibleDescription().contains(mark->flaggedText()));
        QVERIFY(editor->accessibleDescription().contains(mark->candidateList().first()));
        QTextCursor cursor = editor->textCursor();
        cursor.movePosition(QTextCursor::End);
        editor->setTextCursor(cursor);
        QVERIFY(!window->currentMark());
        QTRY_COMPARE(editor->accessibleDescription(), plain);
    }
};

QTEST_MAIN(TestKeyboardAccess)
#include "tst_keyboardaccess.moc"
