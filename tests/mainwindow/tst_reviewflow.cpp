// The review workflow of the main window against the local services: marks,
// navigation, apply, apply-all, limits, cancel, failures and crash recovery.
#include "answerstreamreader.h"
#include "appsettings.h"
#include "checktask.h"
#include "checktaskthread.h"
#include "chunkentry.h"
#include "clickablelabel.h"
#include "configfile.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "mainwnd.h"
#include "preferences.h"
#include "progressoverlay.h"
#include "recordinghttpserver.h"
#include "reviewrun.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "servicesfixture.h"
#include "textchunk.h"
#include "titlebar.h"
#include "transientnotice.h"
#include "useraccess.h"
#include "userinformation.h"
#include "usernewword.h"
#include "zlibbytes.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QDialog>
#include <QPointer>
#include <QScopeGuard>
#include <QPushButton>
#include <QTcpServer>
#include <QTextBlock>
#include <QtTest>

namespace {

const char *const kKnownErrors =
    "This is an test of teh system. Their going to the park tomorow. I has a apple.";

struct Answer
{
    QString text;
    QStringList buttons;
};

} // namespace

class TestReviewFlow : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    QList<Answer> m_asked;
    int m_reply = QDialog::Rejected;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &text, const QStringList &buttons, bool *) {
            m_asked.append({text, buttons});
            return m_reply;
        });
        window->show();
        return window;
    }

    static bool review(MainWnd &window, const QString &text) { return runReview(window, text); }

    static CorrectionItem *markOn(MainWnd &window, const QString &flagged)
    {
        for (CorrectionItem *mark : window.liveMarks())
            if (mark->flaggedText() == flagged)
                return mark;
        return nullptr;
    }

    // n words in sentences of five.
    static QString words(int n)
    {
        QString text;
        for (int i = 1; i <= n; ++i)
            text += i % 5 == 0 || i == n ? QStringLiteral("word. ") : QStringLiteral("word ");
        return text.trimmed();
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_fixture.setUp(QStringLiteral("writer@example.com"), QStringLiteral("secret-1"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Preferences().setShowReport(true);
    }

    void init()
    {
        m_asked.clear();
        m_reply = QDialog::Rejected;
        m_fixture.reset();
        AppSettings::preferenceConfig().setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
    }

    void reviewMarksKnownErrors()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("My Holiday\n\n") + kKnownErrors
                                    + QStringLiteral("\n\nThe second paragraph is fine.")));
        QVERIFY2(m_asked.isEmpty(), m_asked.isEmpty() ? "" : qPrintable(m_asked.first().text));
        QCOMPARE(window->lastError(), 0);
        QCOMPARE(window->chunkEntries().size(), 5);
        QCOMPARE(window->chunkEntries().first()->chunk()->configType(), 1);

        CorrectionItem *teh = markOn(*window, QStringLiteral("teh"));
        QVERIFY(teh);
        QCOMPARE(teh->markErrorType(), 1);
        QCOMPARE(teh->labelText(), QStringLiteral("the"));
        QVERIFY(markOn(*window, QStringLiteral("tomorow")));
        QVERIFY(window->liveMarks().size() >= 4);
        for (CorrectionItem *mark : window->liveMarks()) {
            QVERIFY(mark->label() && mark->label()->isVisible());
            QTextCursor at(window->editor()->document());
            at.setPosition(mark->start() + 1);
            const QColor colour = at.charFormat().foreground().color();
            QCOMPARE(colour, QColor(mark->markErrorType() == 7 ? "#19A0DC" : "#FA5050"));
        }
        // The first mark is current, the summary line and "Apply all" are on.
        QCOMPARE(window->currentMark(), window->liveMarks().first());
        QVERIFY(window->currentMark()->label()->isSelected());
        QVERIFY(window->ui().summaryLine->isVisible());
        QCOMPARE(window->ui().wordsLabel->text(), QStringLiteral("Words: 24"));
        QVERIFY(window->ui().applyAllButton->isEnabled());

        // Applying a replacement changes exactly the span.
        window->slotCorrectItem(teh, ApplyCandidate, 0);
        QVERIFY(window->editor()->toPlainText().contains(QStringLiteral("test of the system.")));
        QVERIFY(!window->liveMarks().contains(teh));

        // Ignoring retires the mark and keeps the text.
        CorrectionItem *tomorow = markOn(*window, QStringLiteral("tomorow"));
        const QString before = window->editor()->toPlainText();
        window->slotCorrectItem(tomorow, IgnoreMark, 0);
        QCOMPARE(window->editor()->toPlainText(), before);
        QVERIFY(!markOn(*window, QStringLiteral("tomorow")));

        // goto_next wraps from the last mark to the first.
        QVERIFY(window->liveMarks().size() >= 2);
        CorrectionItem *last = window->liveMarks().last();
        CorrectionItem *first = window->liveMarks().first();
        window->editor()->selectMark(last);
        QCOMPARE(window->currentMark(), last);
        window->slotCorrectItem(last, IgnoreMark, 0);
        QCOMPARE(window->currentMark(), first);

        // Apply all applies every top candidate and ends all marks.
        m_reply = QDialog::Accepted;
        window->slotApplyAll();
        QVERIFY(window->liveMarks().isEmpty());
        QVERIFY(!window->ui().applyAllButton->isEnabled());
        QVERIFY(window->editor()->toPlainText().contains(QStringLiteral("They're going")));
        QVERIFY(window->editor()->toPlainText().contains(QStringLiteral("I have")));
    }

    // A left click on a label applies its candidate and retires the mark,
    // label included.
    void labelClickAppliesTheTopCandidate()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(review(*window, QString::fromLatin1(kKnownErrors)));
        CorrectionItem *teh = markOn(*window, QStringLiteral("teh"));
        QVERIFY(teh && teh->label());
        QPointer<ClickableLabel> label = teh->label();
        QVERIFY(label->isVisible());
        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(window->editor()->toPlainText().contains(QStringLiteral("test of the system.")));
        QVERIFY(!markOn(*window, QStringLiteral("teh")));
        QVERIFY(!label || label->isHidden());
        QTRY_VERIFY(!label);
    }

    void applyDeletionAndInsertionThroughTheWindow()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("He went to to the shop.")));
        CorrectionItem *repeat = nullptr;
        for (CorrectionItem *mark : window->liveMarks())
            if (mark->editType() == 2)
                repeat = mark;
        if (!repeat)
            QSKIP("the checking engine offers no deletion for this text");
        window->slotCorrectItem(repeat, ApplyCandidate, 0);
        QVERIFY(!window->editor()->toPlainText().contains(QStringLiteral("to to")));
    }

    // Review on a blank text (the button is off then, but Retry and the
    // menu reach the slot too) never leaves the window locked.
    void blankTextReviewEnds()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("  \n\n "));
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 30000);
        // With "show_report" on, the report holds the lock until it is closed.
        window->slotCloseReport();
        QVERIFY(!window->areControlsLocked());
        QVERIFY(window->liveMarks().isEmpty());
    }

    // Against a scripted checking service: which corrections become marks
    // (no SUGGESTION, no enrichment while it is off, no case-only style point
    // on a glossary word unless it offers more than the case), and deletion
    // and insertion applied through the window.
    void scriptedAnswerMarksAndEdits()
    {
        const QString text = QStringLiteral("bob went school and saw quillet there , then left.");
        auto at = [&text](const char *part) { return int(text.indexOf(QLatin1String(part))); };
        auto correction = [](int start, int end, const char *type, const QStringList &candidates,
                             const char *kind) {
            QStringList list;
            for (const QString &c : candidates)
                list << QStringLiteral("{\"correction\":\"%1\",\"candidateType\":\"%2\",\"score\":0.9}")
                            .arg(c, QLatin1String(kind));
            return QStringLiteral("{\"start\":%1,\"end\":%2,\"errorType\":\"%3\",\"candidates\":[%4]}")
                .arg(start).arg(end).arg(QLatin1String(type), list.join(QLatin1Char(',')));
        };
        const QStringList corrections{
            correction(0, 3, "STYLE", {"Bob"}, "REPLACE"),                            // glossary, case only
            correction(at("school"), at("school") + 6, "GRAMMAR", {"to"}, "INSERTION"),
            correction(at("saw"), at("saw") + 3, "IMPROVE", {"noticed"}, "REPLACE"),  // enrichment is off
            correction(at("quillet"), at("quillet") + 7, "STYLE", {"Quillet", "Quill"}, "REPLACE"),
            correction(at(" , "), at(" , ") + 3, "STYLE", {""}, "DELETION"),
            correction(at("left"), at("left") + 4, "SUGGESTION", {"went"}, "REPLACE"),
        };
        const QByteArray record = QStringLiteral("{\"sentInd\":0,\"corrections\":[%1]}")
                                      .arg(corrections.join(QLatin1Char(','))).toUtf8();
        RecordingHttpServer checker;
        QVERIFY(checker.isListening());
        checker.setDefaultReply(RecordingHttpServer::answer(
            ZlibBytes::deflated(record) + GammaLib::AnswerStreamReader::separator()));
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Checking, checker.host());
        const QString enrichment = AppSettings::preferenceConfig().value(QStringLiteral("enrichment_enable"));
        const auto restore = qScopeGuard([enrichment] {
            AppSettings::preferenceConfig().setValue(QStringLiteral("enrichment_enable"), enrichment);
        });
        AppSettings::preferenceConfig().setValue(QStringLiteral("enrichment_enable"), QStringLiteral("False"));

        auto window = makeWindow();
        // The window loads the user's glossary first; words are added after it.
        QSignalSpy glossaryLoaded(window->usage()->newWord(), &GammaLib::UserNewWord::GetUserWordListFinished);
        QTRY_VERIFY_WITH_TIMEOUT(glossaryLoaded.size() > 0, 30000);
        window->usage()->AddUserWord(QStringLiteral("bob"));
        window->usage()->AddUserWord(QStringLiteral("quillet"));
        QVERIFY(review(*window, text));
        QCOMPARE(window->lastError(), 0);
        QStringList flagged;
        for (CorrectionItem *mark : window->liveMarks())
            flagged << mark->flaggedText();
        QCOMPARE(flagged, (QStringList{"school", "quillet", " , "}));
        QCOMPARE(window->categories().value(2), 2); // the two style points
        QCOMPARE(window->categories().value(3), 3);
        QCOMPARE(window->ui().suggestionsLabel->text(), QStringLiteral("Suggestions: (Disabled)"));

        CorrectionItem *insertion = markOn(*window, QStringLiteral("school"));
        QCOMPARE(insertion->labelText(), QStringLiteral("to school"));
        window->slotCorrectItem(insertion, ApplyCandidate, 0);
        QCOMPARE(window->editor()->toPlainText(),
                 QStringLiteral("bob went to school and saw quillet there , then left."));
        CorrectionItem *deletion = markOn(*window, QStringLiteral(" , "));
        QCOMPARE(deletion->labelText(), QStringLiteral("Delete"));
        window->slotCorrectItem(deletion, ApplyCandidate, 0);
        QCOMPARE(window->editor()->toPlainText(),
                 QStringLiteral("bob went to school and saw quillet there then left."));
        QCOMPARE(window->liveMarks().size(), 1);
    }

    void onlyTitlesAreSentAsOneSentence()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("A Heading\nAnother Heading")));
        QCOMPARE(window->chunkEntries().size(), 2);
        QCOMPARE(window->chunkEntries().last()->chunk()->configType(), 0);
        QCOMPARE(window->lastError(), 0);
    }

    void wordLimits()
    {
        auto window = makeWindow();
        window->wordBudgetTimer().stop(); // the test drives the minute itself
        window->editor()->setDocumentText(words(10001));
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 30000);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(m_asked.first().text.contains(QStringLiteral("10,000 words per submit")));
        QCOMPARE(window->wordsThisMinute(), 0);

        // Exactly 10,000 words pass the per-review limit; three such reviews
        // fill the minute's budget and the fourth is refused until the reset.
        m_asked.clear();
        for (int i = 1; i <= 3; ++i) {
            window->editor()->setDocumentText(words(10000));
            window->slotReview();
            QTRY_COMPARE_WITH_TIMEOUT(window->wordsThisMinute(), 10000 * i, 30000);
            window->slotCancel();
            QVERIFY(!window->isReviewRunning());
        }
        QVERIFY2(m_asked.isEmpty(), m_asked.isEmpty() ? "" : qPrintable(m_asked.first().text));
        window->editor()->setDocumentText(words(10));
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 30000);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY2(m_asked.first().text.contains(QStringLiteral("30,000 words per minute")), qPrintable(m_asked.first().text));
        window->slotResetWordCountLimit();
        QVERIFY(review(*window, QStringLiteral("Short and fine.")));
        QCOMPARE(window->wordsThisMinute(), 3);
    }

    void cancelWhileChecking()
    {
        auto window = makeWindow();
        QStringList sentences;
        for (int i = 0; i < 150; ++i)
            sentences << QStringLiteral("This sentence number %1 has teh same misspeling in it.").arg(i);
        window->editor()->setDocumentText(sentences.join(QLatin1Char(' ')));
        window->resultStore().clear();
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(window->checkRun()->task()->isRunning(), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(window->progressOverlay()->value() > 1, 60000);
        window->slotCancel();
        QVERIFY(!window->isReviewRunning());
        QVERIFY(m_asked.isEmpty());
        QVERIFY(!window->liveMarks().isEmpty());
        QCOMPARE(window->ui().applyAllButton->isEnabled(), true);
        for (CorrectionItem *mark : window->liveMarks())
            QVERIFY(mark->label()->isVisible());
    }

    // While the check runs, the toolbar stays reachable: Review, Clear all and
    // Paste must leave the running review and its text alone.
    void toolbarWhileCheckingLeavesTheReviewAlone()
    {
        auto window = makeWindow();
        QStringList sentences;
        for (int i = 0; i < 150; ++i)
            sentences << QStringLiteral("Sentence %1 keeps teh same misspeling here.").arg(i);
        const QString text = sentences.join(QLatin1Char(' '));
        window->editor()->setDocumentText(text);
        window->resultStore().clear();
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(window->checkRun()->task()->isRunning(), 30000);
        const QList<ChunkEntry *> chunks = window->chunkEntries();
        QVERIFY(!chunks.isEmpty());

        m_reply = QDialog::Accepted; // any question is answered "Confirm"
        QApplication::clipboard()->setText(QStringLiteral("Pasted words."));
        window->ui().reviewButton->click();
        window->ui().clearAllButton->click();
        window->ui().pasteButton->click();
        window->slotOnCut();
        QVERIFY(window->isReviewRunning());
        QCOMPARE(window->chunkEntries(), chunks);
        QCOMPARE(window->editor()->toPlainText(), text);

        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 120000);
        QCOMPARE(window->lastError(), 0);
        QVERIFY(markOn(*window, QStringLiteral("teh")));
        QCOMPARE(window->editor()->toPlainText(), text);
    }

    // A review refused by the word limit shows no summary of an earlier text.
    void refusedReviewShowsNoStaleSummary()
    {
        auto window = makeWindow();
        window->wordBudgetTimer().stop();
        QVERIFY(review(*window, QStringLiteral("Short and fine.")));
        QCOMPARE(window->ui().wordsLabel->text(), QStringLiteral("Words: 3"));
        m_asked.clear();
        QVERIFY(review(*window, words(10001)));
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(window->ui().summaryLine->isHidden());
    }

    // Adding a word to the glossary without a successor leaves the cursor at
    // the retired mark's start; every mark of that word goes.
    void glossaryWordRetiresItsMarksAndPlacesTheCursor()
    {
        AppSettings::preferenceConfig().setValue(QStringLiteral("goto_next"), QStringLiteral("False"));
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("We saw tomorow coming. Then tomorow came.")));
        QList<CorrectionItem *> tomorows;
        for (CorrectionItem *mark : window->liveMarks())
            if (mark->flaggedText() == QStringLiteral("tomorow"))
                tomorows << mark;
        QCOMPARE(tomorows.size(), 2);
        CorrectionItem *second = tomorows.last();
        const int start = second->start();
        QVERIFY(window->editor()->textCursor().position() != start);
        window->slotCorrectItem(second, AddToGlossary, 0);
        QVERIFY(!markOn(*window, QStringLiteral("tomorow")));
        QCOMPARE(window->editor()->textCursor().position(), start);
        QVERIFY(window->usage()->IsInGlossary(QStringLiteral("tomorow")));
    }

    // The main window's title bar offers maximise; double clicks maximise
    // and restore to exactly the previous rectangle.
    void titleBarDoubleClickMaximisesAndRestores()
    {
        auto window = makeWindow();
        window->setGeometry(60, 50, 900, 650);
        const QRect before = window->geometry();
        Titlebar *bar = window->ui().titlebar;
        QVERIFY(!bar->findChild<QWidget *>(QStringLiteral("frame_max"))->isHidden());
        QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 10));
        QVERIFY(window->maximized());
        // The work area (this test screen is narrower than the toolbar needs).
        const QRect area = window->screen()->availableGeometry();
        QCOMPARE(window->geometry().topLeft(), area.topLeft());
        QCOMPARE(window->geometry().height(), area.height());
        QTest::mouseDClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(bar->width() / 2, 10));
        QVERIFY(!window->maximized());
        QCOMPARE(window->geometry(), before);
    }

    // The first click into the search field after it got the focus selects
    // the whole text; the next click places the cursor.
    void firstClickIntoSearchFieldSelectsAll()
    {
        auto window = makeWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->editor()->setFocus();
        QLineEdit *search = window->ui().searchField;
        search->setText(QStringLiteral("grammar checker"));
        search->deselect();
        QTest::mouseClick(search, Qt::LeftButton, {}, QPoint(10, search->height() / 2));
        QVERIFY(search->hasFocus());
        QCOMPARE(search->selectedText(), QStringLiteral("grammar checker"));
        QTest::mouseClick(search, Qt::LeftButton, {}, QPoint(10, search->height() / 2));
        QVERIFY(search->selectedText().isEmpty());
    }

    void servicesDownGivesTheConnectionMessage()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        GammaLib::ServiceAddresses::instance().setProductHosts(QStringLiteral("127.0.0.1:%1").arg(port));
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("Nobody is home today.")));
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(m_asked.first().text.startsWith(QStringLiteral("Oops, nobody answered.")));
        QCOMPARE(m_asked.first().buttons, (QStringList{"Retry", "Cancel"}));
    }

    void refusedSessionAsksToLogInAgain()
    {
        GammaLib::UserAccess::instance().setSessionKey(QStringLiteral("no-such-session"));
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("The session is gone.")));
        QCOMPARE(window->lastError(), 204);
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().text,
                 QStringLiteral("Log in session expired. Please log in again to continue using Quillet. "));
        QCOMPARE(m_asked.first().buttons, (QStringList{"Log in", "Cancel"}));
    }

    // The checking service refuses the session but the account service still
    // accepts it: a connection problem, not a log-in question.
    void refusedCheckWithLiveSessionGivesTheConnectionMessage()
    {
        RecordingHttpServer checker;
        QVERIFY(checker.isListening());
        checker.setDefaultReply(RecordingHttpServer::answer("unauthorized"));
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Checking, checker.host());
        auto window = makeWindow();
        QVERIFY(review(*window, QStringLiteral("The session is still fine.")));
        QCOMPARE(window->lastError(), 204);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(m_asked.first().text.startsWith(QStringLiteral("Oops, nobody answered.")));
        QCOMPARE(m_asked.first().buttons, (QStringList{"Retry", "Cancel"}));
        QVERIFY(!GammaLib::UserAccess::instance().sessionKey().isEmpty());
    }

    // No marks: the message when the report is off, nothing when it is on.
    void noMarksMessageOnlyWithoutTheReport()
    {
        ConfigFile &preferences = AppSettings::preferenceConfig();
        auto window = makeWindow();
        preferences.setValue(QStringLiteral("show_report"), QStringLiteral("False"));
        const bool reviewed = review(*window, QStringLiteral("The second paragraph is fine."));
        preferences.setValue(QStringLiteral("show_report"), QStringLiteral("True"));
        QVERIFY(reviewed);
        QVERIFY(window->liveMarks().isEmpty());
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(m_asked.first().text.startsWith(QStringLiteral("Oops...Quillet has no suggestions")));
        QCOMPARE(m_asked.first().buttons, QStringList{"OK"});
        m_asked.clear();
        QVERIFY(review(*window, QStringLiteral("The second paragraph is fine.")));
        QVERIFY(m_asked.isEmpty());
    }

    void editsRetireTouchedMarks()
    {
        auto window = makeWindow();
        QVERIFY(review(*window, QString::fromLatin1(kKnownErrors)));
        const int before = int(window->liveMarks().size());
        CorrectionItem *current = window->currentMark();
        QVERIFY(current);
        QTest::keyClick(window->editor(), Qt::Key_X);
        QCOMPARE(int(window->liveMarks().size()), before - 1);
        QVERIFY(!window->liveMarks().contains(current));
        // Without a current mark, a Delete over a selection retires every mark
        // the selection touches (ends included) and no other.
        CorrectionItem *tomorow = markOn(*window, QStringLiteral("tomorow"));
        QVERIFY(tomorow);
        const int until = tomorow->start();
        QList<CorrectionItem *> touched;
        const int from = window->editor()->toPlainText().indexOf(QStringLiteral("Their"));
        for (CorrectionItem *mark : window->liveMarks())
            if (mark->end() >= from && mark->start() <= until)
                touched << mark;
        QVERIFY(touched.contains(tomorow));
        const int others = int(window->liveMarks().size() - touched.size());
        QTextCursor range = window->editor()->textCursor();
        range.setPosition(from - 1); // the blank before "Their": in no mark
        range.setPosition(until, QTextCursor::KeepAnchor);
        window->editor()->setTextCursor(range);
        QVERIFY(!window->currentMark());
        QTest::keyClick(window->editor(), Qt::Key_Delete);
        QCOMPARE(int(window->liveMarks().size()), others);
        for (CorrectionItem *mark : window->liveMarks())
            QVERIFY(!touched.contains(mark));
        QVERIFY(window->editor()->toPlainText().contains(QStringLiteral("tomorow.")));
        QVERIFY(!window->editor()->toPlainText().contains(QStringLiteral("Their")));
        // A paste over the whole text discards the review.
        window->editor()->selectAll();
        window->slotOnPaste(QStringLiteral("Fresh text."));
        QVERIFY(window->liveMarks().isEmpty());
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Fresh text."));
    }

    // The added line distance under each line is room for the labels: it is
    // there while labels are shown and gone once none is left.
    void lineSpacingOnlyWhileLabelsAreShown()
    {
        auto window = makeWindow();
        CustomTextEditor *editor = window->editor();
        const auto spacings = [editor] {
            QSet<int> types;
            for (QTextBlock block = editor->document()->begin(); block.isValid(); block = block.next())
                types.insert(block.blockFormat().lineHeightType());
            return types;
        };
        const QSet<int> labelled{int(QTextBlockFormat::LineDistanceHeight)};
        const QSet<int> normal{int(QTextBlockFormat::SingleHeight)};
        const QString text = QString::fromLatin1(kKnownErrors) + QStringLiteral("\n\nI has a apple.");
        m_reply = QDialog::Accepted;

        // Apply all.
        QVERIFY(review(*window, text));
        QVERIFY(!window->liveMarks().isEmpty());
        QCOMPARE(spacings(), labelled);
        window->slotApplyAll();
        QVERIFY(window->liveMarks().isEmpty());
        QCOMPARE(spacings(), normal);
        // Undo brings the marks back, and with them the room for the labels.
        QVERIFY(editor->document()->isUndoAvailable());
        editor->undo();
        QVERIFY(!window->liveMarks().isEmpty());
        QCOMPARE(spacings(), labelled);
        editor->redo();
        QVERIFY(window->liveMarks().isEmpty());
        QCOMPARE(spacings(), normal);

        // Clear all, then new text typed.
        QVERIFY(review(*window, text));
        QCOMPARE(spacings(), labelled);
        window->slotClearAll();
        QVERIFY(!editor->document()->isUndoAvailable());
        QTest::keyClicks(editor, QStringLiteral("New words"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, QStringLiteral("more"));
        QCOMPARE(spacings(), normal);

        // Opening a file.
        QVERIFY(review(*window, text));
        QCOMPARE(spacings(), labelled);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("essay.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("First paragraph.\nSecond paragraph.\n");
        file.close();
        QVERIFY(window->loadDocument(path));
        QCOMPARE(spacings(), normal);
        QVERIFY(!editor->document()->isUndoAvailable());

        // The last mark retired one by one.
        QVERIFY(review(*window, text));
        while (!window->liveMarks().isEmpty()) {
            QCOMPARE(spacings(), labelled);
            window->slotCorrectItem(window->liveMarks().first(), IgnoreMark, 0);
        }
        QCOMPARE(spacings(), normal);
        editor->undo();
        QCOMPARE(window->liveMarks().size(), 1);
        QCOMPARE(spacings(), labelled);
    }

    // Each apply is one undo step that gives back the text and the mark with
    // its label; "Apply all" is one step for the whole batch; redo applies
    // again. An edit that retires a mark is undone in two steps: the edit,
    // then the mark.
    void appliesAreUndoneStepByStep()
    {
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        CustomTextEditor *editor = window->editor();
        const QString text = QString::fromLatin1(kKnownErrors);
        QVERIFY(review(*window, text));
        const int count = int(window->liveMarks().size());
        QVERIFY(count >= 3);
        const auto flaggedTexts = [&window] {
            QStringList list;
            for (CorrectionItem *mark : window->liveMarks())
                list << mark->flaggedText();
            return list;
        };
        const QStringList flagged = flaggedTexts();
        const auto markIsBack = [&](const QString &word) {
            CorrectionItem *mark = markOn(*window, word);
            if (!mark || !mark->label() || !mark->label()->isVisible())
                return false;
            QTextCursor at(editor->document());
            at.setPosition(mark->start() + 1);
            return at.charFormat().foreground().color() == QColor("#FA5050")
                   && editor->toPlainText().mid(mark->start(), mark->end() - mark->start()) == word;
        };

        // A label click.
        CorrectionItem *teh = markOn(*window, QStringLiteral("teh"));
        QVERIFY(teh && teh->label());
        QTest::mouseClick(teh->label(), Qt::LeftButton);
        QVERIFY(editor->toPlainText().contains(QStringLiteral("of the system")));
        QCOMPARE(int(window->liveMarks().size()), count - 1);
        editor->undo();
        QCOMPARE(editor->toPlainText(), text);
        QCOMPARE(flaggedTexts(), flagged);
        QVERIFY(markIsBack(QStringLiteral("teh")));
        QVERIFY(window->ui().applyAllButton->isEnabled());

        // The context menu and the panel reach the window through the hub.
        CorrectionItem *tomorow = markOn(*window, QStringLiteral("tomorow"));
        QVERIFY(tomorow);
        window->slotCorrectItem(tomorow, ApplyCandidate, 0);
        const QString applied = editor->toPlainText();
        QVERIFY(!applied.contains(QStringLiteral("tomorow")));
        editor->undo();
        QCOMPARE(editor->toPlainText(), text);
        QVERIFY(markIsBack(QStringLiteral("tomorow")));
        editor->redo();
        QCOMPARE(editor->toPlainText(), applied);
        QVERIFY(!markOn(*window, QStringLiteral("tomorow")));
        editor->undo();
        QCOMPARE(flaggedTexts(), flagged);

        // Apply all: one step for the batch.
        m_reply = QDialog::Accepted;
        window->slotApplyAll();
        QVERIFY(window->liveMarks().isEmpty());
        QVERIFY(editor->toPlainText() != text);
        QVERIFY(!window->ui().applyAllButton->isEnabled());
        editor->undo();
        QCOMPARE(editor->toPlainText(), text);
        QCOMPARE(flaggedTexts(), flagged);
        for (const QString &word : flagged)
            QVERIFY2(markIsBack(word), qPrintable(word));
        QVERIFY(!editor->document()->isUndoAvailable());

        // Typing into a mark retires it; two undo steps give back first the
        // text and then the mark.
        CorrectionItem *has = markOn(*window, QStringLiteral("has"));
        QVERIFY(has);
        editor->selectMark(has);
        QCOMPARE(window->currentMark(), has);
        QTest::keyClick(editor, Qt::Key_X);
        QVERIFY(!markOn(*window, QStringLiteral("has")));
        editor->undo();
        QCOMPARE(editor->toPlainText(), text);
        editor->undo();
        QVERIFY(markIsBack(QStringLiteral("has")));
        QCOMPARE(flaggedTexts(), flagged);
    }

    void crashRecoveryRestoresTheText()
    {
        ConfigFile &preferences = AppSettings::preferenceConfig();
        {
            auto window = makeWindow();
            QCOMPARE(preferences.value(QStringLiteral("is_crash")), QStringLiteral("True"));
            window->editor()->setDocumentText(QStringLiteral("Unsaved words that must survive."));
            window->slotBackup();
            // The window goes away without an orderly close, as in a crash.
        }
        auto next = makeWindow();
        QCOMPARE(next->editor()->toPlainText(), QStringLiteral("Unsaved words that must survive."));
        QTRY_VERIFY(next->notice()->isShowing());
        // In the lower left of the window, inside it.
        QVERIFY(next->notice()->y() > next->height() / 2);
        QVERIFY(next->notice()->text().startsWith(QStringLiteral("Your software crashed unexpectedly.")));
        preferences.setValue(QStringLiteral("is_crash"), QStringLiteral("False"));
    }

    void closeIsRefusedWhileReviewing()
    {
        auto window = makeWindow();
        window->editor()->setDocumentText(QString::fromLatin1(kKnownErrors));
        window->slotReview();
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QVERIFY(m_asked.isEmpty());
        window->slotCancel();
    }

    void offScreenGeometryIsCentred()
    {
        ConfigFile &settings = AppSettings::settingConfig();
        settings.setValue(QStringLiteral("Left"), QStringLiteral("-5000"));
        settings.setValue(QStringLiteral("Top"), QStringLiteral("-5000"));
        auto window = makeWindow();
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(available.intersects(window->geometry()));
        QVERIFY(qAbs(window->geometry().center().x() - available.center().x()) <= 2);
        settings.setValue(QStringLiteral("Left"), QStringLiteral("40"));
        settings.setValue(QStringLiteral("Top"), QStringLiteral("30"));
        auto placed = makeWindow();
        QCOMPARE(placed->pos(), QPoint(40, 30));
    }

    // The first start (nothing saved yet, with or without the tutorial)
    // centres the window instead of putting it in the screen's corner.
    void firstStartIsCentred()
    {
        ConfigFile &settings = AppSettings::settingConfig();
        const auto restore = qScopeGuard([&settings] {
            settings.setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        });
        settings.setValue(QStringLiteral("Left"), QStringLiteral("-1")); // the stored defaults
        settings.setValue(QStringLiteral("Top"), QStringLiteral("0"));
        settings.setValue(QStringLiteral("Width"), QStringLiteral("850"));
        settings.setValue(QStringLiteral("Height"), QStringLiteral("640"));
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        for (const char *guide : {"False", "True"}) {
            settings.setValue(QStringLiteral("user_guide"), QLatin1String(guide));
            auto window = makeWindow();
            QVERIFY2(qAbs(window->geometry().center().x() - available.center().x()) <= 2, guide);
            QVERIFY2(qAbs(window->geometry().center().y() - available.center().y()) <= 2, guide);
        }
    }

    // Log-out: upload, log out on the server, then the sign-in dialog again;
    // closing that dialog ends the window.
    void logOutShowsTheSignInDialogAgain()
    {
        const QString session = m_fixture.services.registerAndLogIn(QStringLiteral("leaver@example.com"),
                                                            QStringLiteral("leaving-1"));
        QVERIFY(!session.isEmpty());
        GammaLib::UserAccess::instance().setSessionKey(session);
        auto window = makeWindow();
        window->editor()->setDocumentText(QStringLiteral("Text to give up."));
        m_reply = QDialog::Accepted; // "Log out"
        bool sawSignIn = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                sawSignIn = dialog->inherits("AccessDlg");
                dialog->reject();
            }
        });
        poll.start(50);
        window->slotLogout();
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().text,
                 QStringLiteral("Your current text will be lost without being saved. Confirm log out?"));
        QCOMPARE(m_asked.first().buttons, (QStringList{"Log out", "Cancel", "Save"}));
        QTRY_VERIFY_WITH_TIMEOUT(sawSignIn, 30000);
        QTRY_COMPARE_WITH_TIMEOUT(AppSettings::preferenceConfig().value(QStringLiteral("is_crash")),
                                  QStringLiteral("False"), 30000);
        QVERIFY(!window->isVisible());
        QVERIFY(GammaLib::UserAccess::instance().sessionKey().isEmpty());
        AppSettings::preferenceConfig().setValue(QStringLiteral("is_crash"), QStringLiteral("True"));
    }

    // Run as the program does, the orderly close ends the event loop although
    // the window was hidden while the usage upload and log-out ran.
    void orderlyCloseEndsTheEventLoop()
    {
        const QString session = m_fixture.services.registerAndLogIn(QStringLiteral("closer@example.com"),
                                                            QStringLiteral("closing-1"));
        QVERIFY(!session.isEmpty());
        GammaLib::UserAccess::instance().setSessionKey(session);
        auto window = makeWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        m_reply = QDialog::Accepted; // "Confirm" if a recovered text is asked about
        bool timedOut = false;
        QTimer::singleShot(30000, qApp, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        QTimer::singleShot(0, window.get(), &MainWnd::slotClose);
        const int result = QApplication::exec();
        QVERIFY(!timedOut);
        QCOMPARE(result, 0);
        QVERIFY(!window->isVisible());
        QCOMPARE(AppSettings::preferenceConfig().value(QStringLiteral("is_crash")), QStringLiteral("False"));
        AppSettings::preferenceConfig().setValue(QStringLiteral("is_crash"), QStringLiteral("True"));
        GammaLib::UserAccess::instance().setSessionKey(m_fixture.session);
    }

    // Last: the orderly close logs the session out.
    void orderlyCloseUploadsLogsOutAndClearsTheCrashFlag()
    {
        ConfigFile &preferences = AppSettings::preferenceConfig();
        auto window = makeWindow();
        QCOMPARE(preferences.value(QStringLiteral("is_crash")), QStringLiteral("True"));
        window->editor()->setDocumentText(QStringLiteral("Words nobody saved."));
        m_reply = QDialog::Rejected; // "Cancel" keeps the window
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(m_asked.first().text,
                 QStringLiteral("Your current text will be lost if not saved. Proceed anyway?"));
        QCOMPARE(m_asked.first().buttons, (QStringList{"Confirm", "Cancel", "Save"}));

        m_reply = QDialog::Accepted; // "Confirm"
        window->usage()->LogEvent(QStringLiteral("QL_Main_Review"));
        window->close();
        QVERIFY(!window->isVisible()); // hidden while the upload and log-out run
        QTRY_COMPARE_WITH_TIMEOUT(preferences.value(QStringLiteral("is_crash")), QStringLiteral("False"), 30000);
        ConfigFile saved(preferences.directory(), QStringLiteral("preference.ini"));
        QCOMPARE(saved.value(QStringLiteral("is_crash")), QStringLiteral("False"));
        // The window geometry was saved on the way out.
        ConfigFile geometry(preferences.directory(), QStringLiteral("setting.ini"));
        QCOMPARE(geometry.value(QStringLiteral("IsMaxmized")), QStringLiteral("False"));
        // The session ended on the server.
        QVERIFY(!GammaLib::UserAccess::instance().IsUserLoginInBlock());
    }
};

QTEST_MAIN(TestReviewFlow)
#include "tst_reviewflow.moc"
