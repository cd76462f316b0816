// The editor's text size: the system font by default, Ctrl+plus, Ctrl+minus
// and Ctrl+0 in the main window, the size kept in the preferences for the
// next start, the settings dialog's control, and the labels under the marks
// keeping to their marks, whole and clear of the next line, at every size.
#include "appsettings.h"
#include "chunkentry.h"
#include "clickablelabel.h"
#include "configfile.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "editorzoom.h"
#include "ccorrection.h"
#include "errortype.h"
#include "mainwnd.h"
#include "preferences.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "settingframe.h"

#include <QApplication>
#include <QDialog>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

CCorrection replacement(int start, int end, const QByteArray &by)
{
    CCorrection c;
    c.start = start;
    c.end = end;
    c.errorType = "NONWORD";
    c.errorTypeCode = errorTypeOf(c.errorType);
    CCandidate candidate;
    candidate.correction = by;
    candidate.candidateType = "REPLACE";
    c.candidates.append(candidate);
    return c;
}

} // namespace

class TestEditorZoom : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Rejected); });
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }

    static int storedSize()
    {
        return AppSettings::preferenceConfig().value(QStringLiteral("editor_font_size")).toInt();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:9"));
        // A system font of a known family and size.
        QFont system(QStringLiteral("DejaVu Sans"));
        system.setPointSize(11);
        QApplication::setFont(system);
    }

    void init()
    {
        Preferences preferences;
        preferences.setEditorFontSize(0);
        preferences.save();
    }

    // Without a choice the editor has the system font, not a fixed size of
    // a family that may not exist.
    void editorFollowsTheSystemFont()
    {
        auto window = makeWindow();
        const QFont font = window->editor()->font();
        QCOMPARE(font.family(), QApplication::font().family());
        QCOMPARE(font.pointSize(), 11);
        QCOMPARE(QFontInfo(window->editor()->currentFont()).family(), QFontInfo(QApplication::font()).family());
    }

    void keysChangeTheSizeAndTheNextStartKeepsIt()
    {
        {
            auto window = makeWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            CustomTextEditor *editor = window->editor();
            editor->setFocus();
            QTRY_VERIFY(editor->hasFocus());
            QTest::keyClick(editor, Qt::Key_Plus, Qt::ControlModifier);
            QCOMPARE(editor->font().pointSize(), 12);
            QTest::keyClick(editor, Qt::Key_Equal, Qt::ControlModifier);
            QCOMPARE(editor->font().pointSize(), 13);
            QTest::keyClick(editor, Qt::Key_Minus, Qt::ControlModifier);
            QCOMPARE(editor->font().pointSize(), 12);
            QCOMPARE(storedSize(), 12);
            // The typing went nowhere.
            QCOMPARE(editor->toPlainText(), QString());
        }
        // The file on disk has it too.
        ConfigFile reread(QString(), QStringLiteral("preference.ini"));
        QCOMPARE(reread.value(QStringLiteral("editor_font_size")), QStringLiteral("12"));
        {
            auto window = makeWindow();
            QCOMPARE(window->editor()->font().pointSize(), 12);
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            window->editor()->setFocus();
            QTRY_VERIFY(window->editor()->hasFocus());
            QTest::keyClick(window->editor(), Qt::Key_0, Qt::ControlModifier);
            QCOMPARE(window->editor()->font().pointSize(), 11);
            QCOMPARE(storedSize(), 0);
        }
    }

    void sizeHasLimits()
    {
        QWidget editor;
        EditorZoom zoom(&editor);
        zoom.setPointSize(1000);
        QCOMPARE(editor.font().pointSize(), int(EditorZoom::MaximumPoints));
        zoom.zoomIn();
        QCOMPARE(editor.font().pointSize(), int(EditorZoom::MaximumPoints));
        zoom.setPointSize(EditorZoom::MinimumPoints);
        zoom.zoomOut();
        QCOMPARE(editor.font().pointSize(), int(EditorZoom::MinimumPoints));
    }

    // The settings dialog's control shows the size and changes it on close.
    void settingsDialogSetsTheSize()
    {
        auto window = makeWindow();
        window->slotShowSetting();
        SettingFrame *settings = window->settingFrame();
        QTRY_VERIFY(settings->isVisible());
        QSpinBox *box = settings->textSizeBox();
        QCOMPARE(box->value(), box->minimum());
        QCOMPARE(box->text(), box->specialValueText());
        box->setValue(16);
        settings->slotClose();
        QVERIFY(!settings->isVisible());
        QCOMPARE(window->editor()->font().pointSize(), 16);
        QCOMPARE(storedSize(), 16);
        window->slotShowSetting();
        QTRY_VERIFY(settings->isVisible());
        QCOMPARE(box->value(), 16);
        box->setValue(box->minimum());
        settings->slotClose();
        QCOMPARE(window->editor()->font().pointSize(), 11);
    }

    // At each size the labels take the editor's font, sit under the start of
    // their marks and end above the next line's text.
    void labelsKeepToTheirMarks()
    {
        // The main window's style gives its labels a font of their own.
        QWidget window;
        window.setStyleSheet(QStringLiteral("QLabel{font:9pt \"Arial, Sans-serif\";}"));
        window.resize(520, 420);
        auto *editor = new CustomTextEditor(&window);
        editor->resize(520, 420);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        EditorZoom zoom(editor);
        QString text;
        for (int i = 0; i < 6; ++i)
            text += QStringLiteral("Line %1 has teh word.\n").arg(i);
        editor->setDocumentText(text);
        editor->applyLineSpacing();
        QList<ChunkEntry *> chunks;
        QList<int> positions;
        QStringList paragraphs;
        QList<bool> titles;
        editor->collectParagraphs(&chunks, positions, paragraphs, titles);
        QList<QList<int>> ends;
        for (const QString &paragraph : std::as_const(paragraphs))
            ends.append(GammaLib::splitSentences(paragraph));
        editor->buildChunks(positions, ends);
        QList<CorrectionItem *> marks;
        for (ChunkEntry *entry : std::as_const(chunks)) {
            const int at = int(entry->text().indexOf(QLatin1String("teh")));
            QVERIFY(at >= 0);
            CorrectionItem *mark = entry->makeMark(replacement(at, at + 3, "the"));
            QVERIFY(mark);
            entry->insertMark(mark);
            editor->createLabel(mark);
            mark->paintMark();
            mark->label()->show();
            marks << mark;
        }
        // One label is selected (bold), as the current mark's is.
        marks.first()->label()->setSelected(true);

        const auto problems = [&] {
            QStringList wrong;
            for (CorrectionItem *mark : std::as_const(marks)) {
                ClickableLabel *label = mark->label();
                QTextCursor at(editor->document());
                at.setPosition(mark->start());
                const QRect line = editor->cursorRect(at);
                const QPoint expected = line.bottomLeft() + QPoint(14, editor->labelOffset());
                if (label->pos() != expected)
                    wrong << QStringLiteral("label at (%1,%2), wanted (%3,%4)")
                                 .arg(label->x()).arg(label->y()).arg(expected.x()).arg(expected.y());
                if (label->paintFont().pointSize() != editor->font().pointSize())
                    wrong << QStringLiteral("label font %1 pt").arg(label->paintFont().pointSize());
                if (label->height() < QFontMetrics(label->paintFont()).height())
                    wrong << QStringLiteral("label %1 px for text of %2 px")
                                 .arg(label->height()).arg(QFontMetrics(label->paintFont()).height());
                // The next line's text starts below the label (its ascent at least).
                QTextCursor next(editor->document());
                next.setPosition(mark->owner()->span().selectionEnd());
                next.movePosition(QTextCursor::NextBlock);
                if (next.blockNumber() != at.blockNumber()) {
                    const QRect below = editor->cursorRect(next);
                    const int textTop = below.top() + QFontMetrics(editor->font()).leading();
                    if (label->geometry().bottom() > textTop + QFontMetrics(editor->font()).ascent() / 3)
                        wrong << QStringLiteral("label bottom %1 runs into the next line at %2")
                                     .arg(label->geometry().bottom()).arg(below.top());
                }
            }
            return wrong.join(QLatin1String("; "));
        };
        for (int points : {11, 16, 24, 9, 32, 0}) {
            zoom.setPointSize(points);
            QTRY_VERIFY(!editor->isLabelRepositioningPending());
            QCoreApplication::processEvents();
            QVERIFY2(problems().isEmpty(),
                     qPrintable(QStringLiteral("%1 pt: ").arg(points) + problems()));
        }
        qDeleteAll(chunks);
    }
};

QTEST_MAIN(TestEditorZoom)
#include "tst_editorzoom.moc"
