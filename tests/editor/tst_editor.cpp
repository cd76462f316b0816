// The editor's side of a review: paragraphs, chunks, marks, applying
// candidates, paste and the right-click rule.
#include "callbackobject.h"
#include "chunkentry.h"
#include "clickablelabel.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "editorfixture.h"
#include "sentencechunk.h"
#include "sentencesplitter.h"
#include "textchunk.h"
#include "titlechunk.h"

#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestEditor : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;

    // Collects paragraphs, splits them as the sentence thread does and builds chunks.
    static void segment(CustomTextEditor &editor, QList<ChunkEntry *> &chunks)
    {
        QList<int> positions;
        QStringList paragraphs;
        QList<bool> titles;
        editor.collectParagraphs(&chunks, positions, paragraphs, titles);
        QList<QList<int>> ends;
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (titles.at(i))
                ends.append({-1, int(paragraphs.at(i).size())});
            else
                ends.append(GammaLib::splitSentences(paragraphs.at(i)));
        }
        editor.buildChunks(positions, ends);
    }

    static CorrectionItem *addMark(CustomTextEditor &editor, ChunkEntry *entry, const CCorrection &c)
    {
        CorrectionItem *mark = entry->makeMark(c);
        if (!mark)
            return nullptr;
        entry->insertMark(mark);
        editor.createLabel(mark);
        mark->paintMark();
        return mark;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        GammaLib::prepareSegmentation();
    }

    void chunksFollowParagraphsAndSentences()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("My Holiday\n\nThis is an test. Their going home!\n   \nBye now."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        QCOMPARE(chunks.size(), 4);
        QCOMPARE(chunks.at(0)->text(), QStringLiteral("My Holiday"));
        QCOMPARE(chunks.at(0)->chunk()->configType(), 1);
        QCOMPARE(chunks.at(1)->text(), QStringLiteral("This is an test. "));
        QCOMPARE(chunks.at(2)->text(), QStringLiteral("Their going home!"));
        QCOMPARE(chunks.at(3)->text(), QStringLiteral("Bye now."));
        for (int i = 1; i < 4; ++i)
            QCOMPARE(chunks.at(i)->chunk()->configType(), 0);
        QCOMPARE(chunks.at(1)->chunk()->confidence(), 2); // "enlish_level" default
        qDeleteAll(chunks);
    }

    void onlyTitlesAreSentAsOneSentence()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("First heading\nSecond heading"));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        QCOMPARE(chunks.size(), 2);
        QCOMPARE(chunks.at(0)->chunk()->configType(), 1);
        QCOMPARE(chunks.at(1)->chunk()->configType(), 0);
        qDeleteAll(chunks);
    }

    void marksKeepDocumentOrderAndRejectBadSpans()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("I has a apple today."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        ChunkEntry *entry = chunks.first();
        CorrectionItem *later = addMark(editor, entry, makeCorrection(6, 7, "GRAMMAR", {{"an", "REPLACE"}}));
        CorrectionItem *first = addMark(editor, entry, makeCorrection(2, 5, "GRAMMAR", {{"have", "REPLACE"}}));
        QCOMPARE(entry->marks(), (QList<CorrectionItem *>{first, later}));
        QCOMPARE(first->flaggedText(), QStringLiteral("has"));
        QCOMPARE(later->labelText(), QStringLiteral("an"));
        QVERIFY(!entry->makeMark(makeCorrection(5, 99, "GRAMMAR", {{"x", "REPLACE"}})));
        QVERIFY(!entry->makeMark(makeCorrection(-1, 2, "GRAMMAR", {{"x", "REPLACE"}})));
        QVERIFY(!entry->makeMark(makeCorrection(4, 3, "GRAMMAR", {{"x", "REPLACE"}})));
        // The mark painted red, an enrichment blue.
        QTextCursor at(editor.document());
        at.setPosition(3);
        QCOMPARE(at.charFormat().foreground().color(), QColor("#FA5050"));
        qDeleteAll(chunks);
    }

    void applyReplacementDeletionInsertion_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QByteArray>("candidate");
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("result");
        QTest::newRow("replace") << "I has a apple." << 2 << 5 << QByteArray("have") << QByteArray("REPLACE")
                                 << "have" << "I have a apple.";
        QTest::newRow("delete") << "It is is fine." << 3 << 5 << QByteArray("") << QByteArray("DELETION")
                                << "Delete" << "It   is fine.";
        QTest::newRow("insert") << "I went school." << 7 << 13 << QByteArray("to") << QByteArray("INSERTION")
                                << "to school" << "I went to school.";
        QTest::newRow("other edit") << "Keep this." << 0 << 4 << QByteArray("x") << QByteArray("MERGE")
                                    << "x" << "Keep this.";
    }

    void applyReplacementDeletionInsertion()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QByteArray, candidate);
        QFETCH(QByteArray, kind);
        QFETCH(QString, label);
        QFETCH(QString, result);
        CustomTextEditor editor;
        editor.setDocumentText(text);
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        CorrectionItem *mark = addMark(editor, chunks.first(), makeCorrection(start, end, "GRAMMAR", {{candidate, kind}}));
        QVERIFY(mark);
        QCOMPARE(mark->labelText(), label);
        mark->apply(0);
        QCOMPARE(editor.toPlainText(), result);
        qDeleteAll(chunks);
    }

    // An index past the candidate list leaves the text as it is instead of
    // deleting the flagged words.
    void applyWithoutSuchCandidateKeepsTheText()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("I has a apple. I went school."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        CorrectionItem *replace = addMark(editor, chunks.first(), makeCorrection(2, 5, "GRAMMAR", {{"have", "REPLACE"}}));
        const int school = int(chunks.last()->text().indexOf(QStringLiteral("school")));
        CorrectionItem *insert = addMark(editor, chunks.last(),
                                         makeCorrection(school, school + 6, "GRAMMAR", {{"to", "INSERTION"}}));
        QVERIFY(replace && insert);
        replace->apply(1);
        replace->apply(-1);
        insert->apply(3);
        QCOMPARE(editor.toPlainText(), QStringLiteral("I has a apple. I went school."));
        insert->apply(0);
        QCOMPARE(editor.toPlainText(), QStringLiteral("I has a apple. I went to school."));
        qDeleteAll(chunks);
    }

    void applyKeepsOtherMarksInPlace()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("Teh cat sat on teh mat."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        CorrectionItem *a = addMark(editor, chunks.first(), makeCorrection(0, 3, "NONWORD", {{"The", "REPLACE"}}));
        CorrectionItem *b = addMark(editor, chunks.first(), makeCorrection(15, 18, "NONWORD", {{"the", "REPLACE"}}));
        a->apply(0);
        QCOMPARE(b->cursor().selectedText(), QStringLiteral("teh"));
        editor.textCursor().insertText(QStringLiteral("Well, ")); // typing before both marks
        QCOMPARE(b->cursor().selectedText(), QStringLiteral("teh"));
        b->apply(0);
        QCOMPARE(editor.toPlainText(), QStringLiteral("Well, The cat sat on the mat."));
        qDeleteAll(chunks);
    }

    void candidateListsAndGlossaryRule()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("Paris is in france and it is is big."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        ChunkEntry *entry = chunks.first();
        CorrectionItem *style = addMark(editor, entry, makeCorrection(12, 18, "STYLE", {{"France", "REPLACE"}}));
        CorrectionItem *style2 = addMark(editor, entry, makeCorrection(12, 18, "STYLE", {{"France", "REPLACE"}, {"Frank", "REPLACE"}}));
        CorrectionItem *deletion = addMark(editor, entry, makeCorrection(26, 28, "GRAMMAR", {{"", "DELETION"}}));
        CorrectionItem *insertion = addMark(editor, entry, makeCorrection(0, 5, "GRAMMAR", {{"In", "INSERTION"}, {"At", "INSERTION"}}));
        QVERIFY(style->isCaseOnlyStyle());
        QVERIFY(style->canAddToGlossary());
        QVERIFY(!style2->isCaseOnlyStyle());
        QCOMPARE(deletion->candidateList(), QStringList{"Delete: is"});
        QCOMPARE(insertion->candidateList(), (QStringList{"Insert: In", "Insert: At"}));
        QCOMPARE(insertion->labelText(), QStringLiteral("In Paris"));
        qDeleteAll(chunks);
    }

    void markAtCursorIncludesBothEnds()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("One teh. Two teh."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        QCOMPARE(chunks.size(), 2);
        CorrectionItem *first = addMark(editor, chunks.at(0), makeCorrection(4, 7, "NONWORD", {{"the", "REPLACE"}}));
        CorrectionItem *second = addMark(editor, chunks.at(1), makeCorrection(4, 7, "NONWORD", {{"the", "REPLACE"}}));
        QCOMPARE(editor.markAt(4), first);
        QCOMPARE(editor.markAt(7), first);
        QCOMPARE(editor.markAt(2), nullptr);
        QCOMPARE(editor.markAt(13), second);
        QCOMPARE(editor.markAt(16), second);
        QCOMPARE(editor.markSpanning(13, 16), second);
        QCOMPARE(editor.markSpanning(13, 15), nullptr);
        qDeleteAll(chunks);
    }

    void pasteGoesThroughTheWindow()
    {
        CustomTextEditor editor;
        QSignalSpy spy(&editor, &CustomTextEditor::signalOnPaste);
        QMimeData rich;
        rich.setHtml(QStringLiteral("<b>Bold</b> text"));
        rich.setText(QStringLiteral("Bold text"));
        editor.insertFromMimeData(&rich);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toString(), QStringLiteral("Bold text"));
        QVERIFY(editor.toPlainText().isEmpty());

        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(!editor.canInsertFromMimeData(&image));
        editor.insertFromMimeData(&image);
        QCOMPARE(spy.size(), 1);
        QVERIFY(editor.toPlainText().isEmpty());
    }

    // The sample prompt takes the focus of an empty editor; typing there
    // goes into the text, Space accepts the sample.
    void typingIntoTheSamplePromptGoesIntoTheText()
    {
        CustomTextEditor editor;
        editor.resize(400, 300);
        editor.show();
        QApplication::setActiveWindow(&editor);
        QVERIFY(QTest::qWaitForWindowActive(&editor));
        editor.setSampleText(QStringLiteral("A sample to try."));
        QWidget *prompt = editor.samplePrompt();
        QTRY_VERIFY(prompt->hasFocus());
        QTest::keyClicks(prompt, QStringLiteral("Hi"));
        QCOMPARE(editor.toPlainText(), QStringLiteral("Hi"));
        QVERIFY(editor.hasFocus());
        QVERIFY(!prompt->isVisible());

        editor.clear();
        editor.setSampleText(QStringLiteral("A sample to try."));
        QTRY_VERIFY(prompt->hasFocus());
        QTest::keyClick(prompt, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(editor.toPlainText().isEmpty());
        QTest::keyClick(prompt, Qt::Key_Space);
        QCOMPARE(editor.toPlainText(), QStringLiteral("A sample to try."));
    }

    void rightClickKeepsOrMovesTheSelection()
    {
        CustomTextEditor editor;
        editor.resize(600, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setDocumentText(QStringLiteral("alpha beta gamma delta"));
        QTextCursor cursor = editor.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(10, QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);

        QTextCursor inside(editor.document());
        inside.setPosition(8);
        QTest::mousePress(editor.viewport(), Qt::RightButton, {}, editor.cursorRect(inside).center());
        QCOMPARE(editor.textCursor().selectedText(), QStringLiteral("beta"));

        QTextCursor outside(editor.document());
        outside.setPosition(18);
        QTest::mousePress(editor.viewport(), Qt::RightButton, {}, editor.cursorRect(outside).center());
        QVERIFY(!editor.textCursor().hasSelection());
        QVERIFY(qAbs(editor.textCursor().position() - 18) <= 1);
    }

    void labelClickGoesThroughTheHub()
    {
        CustomTextEditor editor;
        editor.setDocumentText(QStringLiteral("I has a apple."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        CorrectionItem *mark = addMark(editor, chunks.first(), makeCorrection(2, 5, "GRAMMAR", {{"have", "REPLACE"}, {"had", "REPLACE"}}));
        QSignalSpy spy(&CallbackObject::instance(),
                       qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&CallbackObject::signalCallback));
        mark->label()->show();
        QTest::mouseClick(mark->label(), Qt::RightButton);
        QCOMPARE(spy.size(), 0);
        QTest::mouseClick(mark->label(), Qt::LeftButton);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.first().at(0).value<CorrectionItem *>(), mark);
        QCOMPARE(spy.first().at(2).toInt(), 0);
        QCOMPARE(spy.first().at(3).toString(), QStringLiteral("have\nhad"));
        qDeleteAll(chunks);
    }

    void labelsFollowTheText()
    {
        CustomTextEditor editor;
        editor.resize(500, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setDocumentText(QStringLiteral("I has a apple."));
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        CorrectionItem *mark = addMark(editor, chunks.first(), makeCorrection(8, 13, "NONWORD", {{"apples", "REPLACE"}}));
        mark->label()->show();
        editor.repositionLabels();
        const QPoint before = mark->label()->pos();
        QTextCursor start(editor.document());
        start.insertText(QStringLiteral("Yesterday "));
        editor.repositionLabels();
        QVERIFY(mark->label()->pos().x() > before.x());
        QTextCursor at(editor.document());
        at.setPosition(mark->start());
        QCOMPARE(mark->label()->pos(), editor.cursorRect(at).bottomLeft() + QPoint(14, 15));
        qDeleteAll(chunks);
    }
    // Without anyone asking: after typing at the start, a tab, a paste of
    // several lines, an undo and a scroll every label sits under its mark.
    void labelsFollowEditsUndoAndScrollByThemselves()
    {
        CustomTextEditor editor;
        editor.resize(420, 160);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QString text;
        for (int i = 0; i < 12; ++i)
            text += QStringLiteral("I has a apple and teh pear in line %1.\n").arg(i);
        editor.setDocumentText(text);
        editor.applyLineSpacing();
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        QList<CorrectionItem *> marks;
        for (ChunkEntry *entry : chunks) {
            const QString sentence = entry->text();
            const int at = int(sentence.indexOf(QLatin1String("teh")));
            if (at < 0)
                continue;
            CorrectionItem *mark = addMark(editor, entry, makeCorrection(at, at + 3, "NONWORD", {{"the", "REPLACE"}}));
            QVERIFY(mark);
            mark->label()->show();
            marks << mark;
        }
        QCOMPARE(marks.size(), 12);
        editor.repositionLabels();
        const auto misplaced = [&editor, &marks] {
            QStringList wrong;
            for (CorrectionItem *mark : std::as_const(marks)) {
                QTextCursor at(editor.document());
                at.setPosition(mark->start());
                const QPoint expected = editor.cursorRect(at).bottomLeft() + QPoint(14, 15);
                if (mark->label()->pos() != expected)
                    wrong << QStringLiteral("%1 at (%2,%3), wanted (%4,%5)")
                                 .arg(mark->start()).arg(mark->label()->x()).arg(mark->label()->y())
                                 .arg(expected.x()).arg(expected.y());
            }
            return wrong.join(QLatin1String("; "));
        };
        QCOMPARE(misplaced(), QString());

        editor.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&editor, QStringLiteral("Well, "));
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());

        QTextCursor(editor.document()).insertText(QStringLiteral("\t"));
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());

        // A paste as the main window carries it out: plain text at the cursor.
        QTextCursor paste(editor.document());
        paste.insertText(QStringLiteral("A first line that is long enough to wrap in this narrow editor.\nA second.\n"));
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());

        editor.undo();
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());

        QScrollBar *bar = editor.verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum() / 2);
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());

        editor.resize(300, 160);
        QCoreApplication::processEvents();
        QCOMPARE(misplaced(), QString());
        qDeleteAll(chunks);
    }
    // Labels of neighbouring marks keep a gap between them, and a label at
    // the right edge is moved in to be read whole.
    void labelsNeitherTouchNorRunOffTheEdge()
    {
        CustomTextEditor editor;
        editor.resize(320, 200);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        const QString text = QStringLiteral("I do not desire it.");
        editor.setDocumentText(text);
        editor.applyLineSpacing();
        QList<ChunkEntry *> chunks;
        segment(editor, chunks);
        const int at = int(text.indexOf(QLatin1String("do ")));
        CorrectionItem *first = addMark(editor, chunks.first(), makeCorrection(at, at + 2, "GRAMMAR", {{"don't", "REPLACE"}}));
        CorrectionItem *second = addMark(editor, chunks.first(), makeCorrection(at + 3, at + 6, "GRAMMAR", {{"desire", "REPLACE"}}));
        const int it = int(text.indexOf(QLatin1String("it.")));
        CorrectionItem *last = addMark(editor, chunks.first(),
                                       makeCorrection(it, it + 2, "IMPROVE", {{"it for three months or more", "REPLACE"}}));
        QVERIFY(first && second && last);
        for (CorrectionItem *mark : {first, second, last})
            mark->label()->show();
        editor.repositionLabels();
        const ClickableLabel *a = first->label();
        const ClickableLabel *b = second->label();
        QCOMPARE(a->y(), b->y());
        QVERIFY2(b->x() > a->x() + a->fullWidth(),
                 qPrintable(QStringLiteral("%1+%2 runs into %3").arg(a->x()).arg(a->fullWidth()).arg(b->x())));
        const ClickableLabel *c = last->label();
        QVERIFY2(c->x() + c->fullWidth() <= editor.width(),
                 qPrintable(QStringLiteral("%1+%2 past %3").arg(c->x()).arg(c->fullWidth()).arg(editor.width())));
        qDeleteAll(chunks);
    }
};

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
