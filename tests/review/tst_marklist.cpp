// The marks of a review in the editor: made from results, navigated,
// corrected, retired by edits and brought back by undo.

#include "chunkentry.h"
#include "customtexteditor.h"
#include "detectsentencethread.h"
#include "editorfixture.h"
#include "marklist.h"
#include "preferences.h"
#include "recordinghttpserver.h"
#include "reportfigures.h"
#include "serviceaddresses.h"
#include "userinformation.h"

#include <QKeyEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using Candidates = QList<QPair<QByteArray, QByteArray>>;

class TestMarkList : public QObject
{
    Q_OBJECT

private:
    // The settings in a folder of their own.
    QTemporaryDir m_config;
    const bool m_configSet = qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    std::unique_ptr<RecordingHttpServer> m_account;
    std::unique_ptr<CustomTextEditor> m_editor;
    std::unique_ptr<GammaLib::UserInformation> m_usage;
    QList<ChunkEntry *> m_chunks;
    std::unique_ptr<MarkList> m_marks;

    // The text in the editor, cut into chunks as for a review.
    void detect(const QString &text)
    {
        m_editor->setDocumentText(text);
        GammaLib::DetectSentenceThread detection(m_editor.get());
        QVERIFY(detection.startDetection(&m_chunks));
        QVERIFY(detection.wait(30000));
        detection.makeChunks();
    }

    // "I has a cat. " "Teh dog run. " "Teh end is near." with four marks:
    // "has", "Teh", "run" and the second "Teh", shown as after a review.
    void reviewed()
    {
        detect(QStringLiteral("I has a cat. Teh dog run. Teh end is near."));
        QCOMPARE(m_chunks.size(), 3);
        // Results arrive in any order; the marks end up in document order.
        m_marks->addResult(m_chunks.at(2), {makeCorrection(0, 3, "NONWORD", Candidates{{"The", "REPLACE"}})});
        m_marks->addResult(m_chunks.at(0), {makeCorrection(2, 5, "GRAMMAR", Candidates{{"have", "REPLACE"}})});
        m_marks->addResult(m_chunks.at(1), {makeCorrection(0, 3, "NONWORD", Candidates{{"The", "REPLACE"}}),
                                            makeCorrection(8, 11, "GRAMMAR", Candidates{{"runs", "REPLACE"}})});
        QVERIFY(m_marks->liveMarks().isEmpty()); // hidden until the review ends
        m_marks->showReviewMarks();
        QCOMPARE(m_marks->liveMarks().size(), 4);
    }

    QStringList liveTexts() const
    {
        QStringList texts;
        for (CorrectionItem *mark : m_marks->liveMarks())
            texts.append(mark->flaggedText());
        return texts;
    }

private slots:
    void init()
    {
        // The correction records go to the account service.
        m_account = std::make_unique<RecordingHttpServer>();
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Account, m_account->host());
        Preferences preferences;
        preferences.setGotoNext(true);
        preferences.setEnrichmentEnabled(false);
        preferences.save();
        m_editor = std::make_unique<CustomTextEditor>();
        m_usage = std::make_unique<GammaLib::UserInformation>();
        m_marks = std::make_unique<MarkList>(m_editor.get(), &m_chunks, m_usage.get());
        // As in the window: the current mark follows the cursor.
        connect(m_editor.get(), &QTextEdit::cursorPositionChanged, m_marks.get(), &MarkList::followCursor);
    }

    void cleanup()
    {
        m_marks.reset();
        qDeleteAll(m_chunks);
        m_chunks.clear();
        m_usage.reset();
        m_editor.reset();
        m_account.reset();
    }

    void resultsBecomeMarks()
    {
        QSignalSpy live(m_marks.get(), &MarkList::liveMarksChanged);
        reviewed();
        QCOMPARE(liveTexts(), QStringList({"has", "Teh", "run", "Teh"}));
        QCOMPARE(m_marks->found(), 4);
        QCOMPARE(m_marks->left(), 4);
        QCOMPARE(m_marks->currentMark(), m_marks->liveMarks().first());
        QCOMPARE(live.last().first().toBool(), true);
        QVERIFY(m_editor->hasLineSpacing());
    }

    void someResultsMakeNoMark()
    {
        detect(QStringLiteral("Bob sees a big dog."));
        m_usage->slotGetWordList({QStringLiteral("Bob")});
        m_marks->addResult(m_chunks.first(), {
            makeCorrection(0, 3, "NONWORD", Candidates{{"Rob", "REPLACE"}}),      // a glossary word
            makeCorrection(4, 8, "SUGGESTION", Candidates{{"saw", "REPLACE"}}),   // never marked
            makeCorrection(11, 14, "IMPROVE", Candidates{{"large", "REPLACE"}}), // enrichment is off
            makeCorrection(15, 40, "GRAMMAR", Candidates{{"x", "REPLACE"}}),     // outside the sentence
            makeCorrection(15, 18, "GRAMMAR", Candidates{{"cat", "REPLACE"}})});
        m_marks->showReviewMarks();
        QCOMPARE(liveTexts(), QStringList({"dog"}));
        // One grammar mistake counted; nothing for the marks not made.
        QCOMPARE(m_marks->categories().value(ReportFigures::Grammar), 1);
        QCOMPARE(m_marks->categories().value(ReportFigures::Mistakes), 1);
        QCOMPARE(m_marks->categories().value(ReportFigures::Spelling), 0);
        QCOMPARE(m_marks->categories().value(ReportFigures::Suggestions), 0);
    }

    void correctionSelectsTheNextMark()
    {
        reviewed();
        QList<CorrectionItem *> marks = m_marks->liveMarks();
        m_marks->correct(marks.at(0), ApplyCandidate, 0, QString());
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("I have a cat. Teh dog run. Teh end is near."));
        QCOMPARE(m_marks->currentMark(), marks.at(1));
        QCOMPARE(m_marks->left(), 3);

        // From the last mark the next one is the first.
        m_editor->selectMark(marks.at(3));
        QCOMPARE(m_marks->currentMark(), marks.at(3));
        m_marks->correct(marks.at(3), IgnoreMark, 0, QString());
        QCOMPARE(m_marks->currentMark(), marks.at(1));
        QCOMPARE(liveTexts(), QStringList({"Teh", "run"}));
    }

    void lastMarkHasNoSuccessor()
    {
        reviewed();
        const QList<CorrectionItem *> marks = m_marks->liveMarks();
        for (int i = 0; i < 3; ++i)
            m_marks->correct(marks.at(i), IgnoreMark, 0, QString());
        CorrectionItem *last = m_marks->liveMarks().first();
        m_editor->selectMark(last);
        QCOMPARE(m_marks->currentMark(), last);
        const int start = last->start();
        QSignalSpy live(m_marks.get(), &MarkList::liveMarksChanged);
        m_marks->correct(last, IgnoreMark, 0, QString());
        QVERIFY(m_marks->liveMarks().isEmpty());
        QCOMPARE(m_marks->currentMark(), nullptr);
        QCOMPARE(m_editor->textCursor().position(), start);
        QCOMPARE(live.last().first().toBool(), false);
        QVERIFY(!m_editor->hasLineSpacing());
    }

    void glossaryRetiresTheSameWord()
    {
        reviewed();
        m_marks->correct(m_marks->liveMarks().at(1), AddToGlossary, 0, QString());
        QCOMPARE(liveTexts(), QStringList({"has", "run"}));
        QVERIFY(m_usage->IsInGlossary(QStringLiteral("Teh")));
        QCOMPARE(m_marks->left(), 2);
    }

    void undoBringsTheMarkBack()
    {
        reviewed();
        CorrectionItem *has = m_marks->liveMarks().first();
        const int start = has->start();
        m_marks->correct(has, ApplyCandidate, 0, QString());
        QCOMPARE(liveTexts(), QStringList({"Teh", "run", "Teh"}));
        m_editor->undo();
        QCOMPARE(m_editor->toPlainText(), QStringLiteral("I has a cat. Teh dog run. Teh end is near."));
        QCOMPARE(liveTexts(), QStringList({"has", "Teh", "run", "Teh"}));
        QCOMPARE(m_marks->liveMarks().first()->start(), start);
        QCOMPARE(m_marks->left(), 4);
        m_editor->redo();
        QCOMPARE(liveTexts(), QStringList({"Teh", "run", "Teh"}));
        QCOMPARE(m_marks->left(), 3);
    }

    void editRetiresTheCurrentMarkOnly()
    {
        reviewed();
        QCOMPARE(m_marks->currentMark()->flaggedText(), QStringLiteral("has"));
        m_marks->retireForEdit();
        QCOMPARE(liveTexts(), QStringList({"Teh", "run", "Teh"}));
    }

    void editRetiresTheMarksItTouches()
    {
        reviewed();
        m_marks->setCurrentMark(nullptr);
        // From the end of "Teh" to the start of "run": both touch the range.
        QTextCursor cursor = m_editor->textCursor();
        cursor.setPosition(16);
        cursor.setPosition(21, QTextCursor::KeepAnchor);
        m_editor->setTextCursor(cursor);
        m_marks->retireForEdit();
        QCOMPARE(liveTexts(), QStringList({"has", "Teh"}));
        m_editor->undo(); // the retirement is its own step
        QCOMPARE(liveTexts(), QStringList({"has", "Teh", "run", "Teh"}));
    }

    void currentMarkIsReleasedBeforeItGoes()
    {
        reviewed();
        CorrectionItem *current = m_marks->currentMark();
        ChunkEntry *owner = current->owner();
        bool stillThere = false;
        connect(m_marks.get(), &MarkList::currentMarkChanged, this, [&](CorrectionItem *mark) {
            if (!mark)
                stillThere = owner->marks().contains(current);
        });
        m_marks->correct(current, IgnoreMark, 0, QString());
        QVERIFY(stillThere);
    }

    void keysThatEditText_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("selection");
        QTest::addColumn<bool>("edits");
        QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false << true;
        QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << false << true;
        QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << false << true;
        QTest::newRow("ctrl+a") << int(Qt::Key_A) << int(Qt::ControlModifier) << false << false;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << false << true;
        QTest::newRow("return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::NoModifier) << false << false;
        QTest::newRow("cut a selection") << int(Qt::Key_X) << int(Qt::ControlModifier) << true << true;
        QTest::newRow("cut nothing") << int(Qt::Key_X) << int(Qt::ControlModifier) << false << false;
    }

    void keysThatEditText()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, selection);
        QFETCH(bool, edits);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(MarkList::changesText(&event, selection), edits);
    }
};

QTEST_MAIN(TestMarkList)
#include "tst_marklist.moc"
