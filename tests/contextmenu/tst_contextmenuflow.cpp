// The correction context menu in the real main window: a review against a
// scripted checking service, then right clicks on marks and on plain text,
// with the choices carried out through the hub by the window.
#include "answerstreamreader.h"
#include "appsettings.h"
#include "configfile.h"
#include "correctionitem.h"
#include "customaction.h"
#include "customcontextmenu.h"
#include "customtexteditor.h"
#include "localservices.h"
#include "mainwnd.h"
#include "recordinghttpserver.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "useraccess.h"
#include "userinformation.h"
#include "usernewword.h"
#include "zlibbytes.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

#include <functional>

namespace {

// One correction of a sentence, on the given occurrence of word.
QString correction(const QString &sentence, const QString &word, int occurrence, const char *type,
                   const QStringList &candidates, const char *kind)
{
    int start = -1;
    for (int n = 0; n <= occurrence; ++n)
        start = int(sentence.indexOf(word, start + 1));
    Q_ASSERT(start >= 0);
    QStringList list;
    for (const QString &c : candidates)
        list << QStringLiteral("{\"correction\":\"%1\",\"candidateType\":\"%2\",\"score\":0.9}")
                    .arg(c, QLatin1String(kind));
    return QStringLiteral("{\"start\":%1,\"end\":%2,\"errorType\":\"%3\",\"candidates\":[%4]}")
        .arg(start)
        .arg(start + word.size())
        .arg(QLatin1String(type), list.join(QLatin1Char(',')));
}

// The compressed answer stream: one record per sentence index.
QByteArray answer(const QList<QStringList> &perSentence)
{
    QByteArray body;
    for (int i = 0; i < perSentence.size(); ++i) {
        const QByteArray record = QStringLiteral("{\"sentInd\":%1,\"corrections\":[%2]}")
                                      .arg(i)
                                      .arg(perSentence.at(i).join(QLatin1Char(',')))
                                      .toUtf8();
        body += ZlibBytes::deflated(record) + GammaLib::AnswerStreamReader::separator();
    }
    return body;
}

QStringList rowTexts(const CustomContextMenu *menu)
{
    QStringList texts;
    for (CustomAction *action : menu->candidateActions())
        texts << action->textLabel()->text();
    return texts;
}

} // namespace

class TestContextMenuFlow : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    RecordingHttpServer *m_services = nullptr;
    RecordingHttpServer *m_checker = nullptr;
    QStringList m_asked;

    std::unique_ptr<MainWnd> reviewed(const QString &text, const QList<QStringList> &perSentence)
    {
        m_checker->setDefaultReply(RecordingHttpServer::answer(answer(perSentence)));
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &question, const QStringList &, bool *) {
            m_asked << question;
            return int(QDialog::Rejected);
        });
        // The glossary arrives first; words are added after it.
        QSignalSpy glossary(window->usage()->newWord(), &GammaLib::UserNewWord::GetUserWordListFinished);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()) || !glossary.wait(20000))
            return nullptr;
        window->editor()->setDocumentText(text);
        window->slotReview();
        QElapsedTimer timer;
        timer.start();
        while (window->isReviewRunning() && timer.elapsed() < 60000)
            QTest::qWait(20);
        if (window->isReviewRunning() || window->lastError() != 0)
            return nullptr;
        return window;
    }

    static QPoint pointAt(CustomTextEditor *editor, int position)
    {
        QTextCursor at(editor->document());
        at.setPosition(position);
        return editor->cursorRect(at).center();
    }

    // A right click at the document position: the press places the cursor
    // (or keeps a selection it falls in), then the context-menu event opens
    // the window's menu, which act receives while it is open.
    static bool rightClick(MainWnd &window, int position, const std::function<void(CustomContextMenu *)> &act)
    {
        CustomTextEditor *editor = window.editor();
        QWidget *viewport = editor->viewport();
        const QPoint at = pointAt(editor, position);
        QTest::mousePress(viewport, Qt::RightButton, {}, at);
        QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
        bool opened = false;
        QTimer poll;
        poll.setInterval(10);
        connect(&poll, &QTimer::timeout, &window, [&] {
            auto *menu = qobject_cast<CustomContextMenu *>(QApplication::activePopupWidget());
            if (!menu || opened)
                return;
            opened = true;
            poll.stop();
            act(menu);
            if (menu->isVisible())
                menu->close();
        });
        poll.start();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport, &event);
        return opened;
    }

    static void clickRow(CustomContextMenu *menu, int index)
    {
        QWidget *row = menu->candidateActions().at(index)->row();
        QTest::mouseClick(row, Qt::LeftButton, {}, row->rect().center());
    }

    static CorrectionItem *markOn(MainWnd &window, const QString &flagged, int occurrence = 0)
    {
        for (CorrectionItem *mark : window.liveMarks())
            if (mark->flaggedText() == flagged && occurrence-- == 0)
                return mark;
        return nullptr;
    }

    static int middleOf(CorrectionItem *mark) { return mark->start() + 1; }

private slots:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
        AppSettings::preferenceConfig().setValue(QStringLiteral("show_report"), QStringLiteral("True"));
        AppSettings::preferenceConfig().setValue(QStringLiteral("enrichment_enable"), QStringLiteral("False"));
        GammaLib::prepareSegmentation();
        m_services = new RecordingHttpServer(this);
        m_checker = new RecordingHttpServer(this);
        QVERIFY(m_services->isListening() && m_checker->isListening());
        m_services->setDefaultReply(RecordingHttpServer::answer(QByteArray()));
        GammaLib::ServiceAddresses::instance().setProductHosts(m_services->host());
        GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Checking, m_checker->host());
        GammaLib::UserAccess::instance().setSessionKey(QStringLiteral("menu-session"));
    }

    void init()
    {
        m_asked.clear();
        AppSettings::preferenceConfig().setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
    }

    void cleanup() { QVERIFY2(m_asked.isEmpty(), qPrintable(m_asked.join(QLatin1Char('\n')))); }

    // On a mark: the candidates in order, the warning on the risky one, and
    // a chosen candidate applied by the window, counted and recorded.
    void candidateChosenInTheMenuIsApplied()
    {
        const QString text = QStringLiteral("She said darn it to teh man.");
        auto window = reviewed(text, {{correction(text, "darn it", 0, "GRAMMAR", {"damn it", "darn"}, "REPLACE"),
                                       correction(text, "teh", 0, "NONWORD", {"the", "ten", "tea"}, "REPLACE")}});
        QVERIFY(window);
        QCOMPARE(window->liveMarks().size(), 2);
        CorrectionItem *darn = markOn(*window, QStringLiteral("darn it"));
        CorrectionItem *teh = markOn(*window, QStringLiteral("teh"));

        // Looking without choosing changes nothing.
        QVERIFY(rightClick(*window, middleOf(darn), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), darn);
            QCOMPARE(rowTexts(menu), (QStringList{"damn it", "darn"}));
            QVERIFY(menu->candidateActions().at(0)->warningIcon());
            QVERIFY(!menu->candidateActions().at(1)->warningIcon());
            QVERIFY(menu->ignoreAction());
            QVERIFY(!menu->appendAction()); // grammar is no glossary matter
        }));
        QCOMPARE(window->editor()->toPlainText(), text);
        QCOMPARE(window->liveMarks().size(), 2);
        QVERIFY(!window->usage()->events().contains(QStringLiteral("QL_Main_ContextMenu_Correct")));

        QVERIFY(rightClick(*window, middleOf(teh), [&](CustomContextMenu *menu) {
            QCOMPARE(window->currentMark(), teh);
            QCOMPARE(menu->mark(), teh);
            QCOMPARE(rowTexts(menu), (QStringList{"the", "ten", "tea"}));
            for (CustomAction *row : menu->candidateActions())
                QVERIFY(!row->warningIcon());
            QVERIFY(menu->appendAction());
            clickRow(menu, 1);
        }));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("She said darn it to ten man."));
        QCOMPARE(window->liveMarks(), QList<CorrectionItem *>{darn});
        // goto_next: the mark after the last one is the first.
        QCOMPARE(window->currentMark(), darn);
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_ContextMenu_Correct")), 1);
        const QList<GammaLib::UserCorrectionRecord> records = window->usage()->correctionRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.first().word, QStringLiteral("teh"));
        QCOMPARE(records.first().choose, 1);
        QCOMPARE(records.first().correctionList, QStringLiteral("the\nten\ntea"));
        QCOMPARE(records.first().type, 1);
        QVERIFY(window->ui().applyAllButton->isEnabled());
    }

    void insertionAndDeletionRowsCarryTheirPrefixes()
    {
        const QString text = QStringLiteral("He went school and and left.");
        auto window = reviewed(text, {{correction(text, "school", 0, "GRAMMAR", {"to", "into"}, "INSERTION"),
                                       correction(text, " and ", 1, "GRAMMAR", {""}, "DELETION")}});
        QVERIFY(window);
        CorrectionItem *insertion = markOn(*window, QStringLiteral("school"));
        QVERIFY(rightClick(*window, middleOf(insertion), [&](CustomContextMenu *menu) {
            QCOMPARE(rowTexts(menu), (QStringList{"Insert: to", "Insert: into"}));
            clickRow(menu, 1);
        }));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("He went into school and and left."));
        CorrectionItem *deletion = markOn(*window, QStringLiteral(" and "));
        QVERIFY(deletion);
        QVERIFY(rightClick(*window, deletion->start() + 2, [&](CustomContextMenu *menu) {
            QCOMPARE(rowTexts(menu), QStringList{"Delete:  and "});
            clickRow(menu, 0);
        }));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("He went into school and left."));
        QVERIFY(window->liveMarks().isEmpty());
        QVERIFY(!window->ui().applyAllButton->isEnabled());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_ContextMenu_Correct")), 2);
    }

    // Ignore on the last of several marks keeps the text and, with
    // goto_next, moves on to the first mark.
    void ignoreOnTheLastMarkMovesToTheFirst()
    {
        const QString text = QStringLiteral("Teh cat sayed it was tomorow.");
        auto window = reviewed(text, {{correction(text, "Teh", 0, "NONWORD", {"The"}, "REPLACE"),
                                       correction(text, "sayed", 0, "NONWORD", {"said"}, "REPLACE"),
                                       correction(text, "tomorow", 0, "NONWORD", {"tomorrow"}, "REPLACE")}});
        QVERIFY(window);
        QCOMPARE(window->liveMarks().size(), 3);
        CorrectionItem *first = window->liveMarks().first();
        CorrectionItem *last = window->liveMarks().last();
        QVERIFY(rightClick(*window, middleOf(last), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), last);
            menu->ignoreAction()->trigger();
        }));
        QCOMPARE(window->editor()->toPlainText(), text);
        QCOMPARE(window->liveMarks().size(), 2);
        QVERIFY(!window->liveMarks().contains(last));
        QCOMPARE(window->currentMark(), first);
        QCOMPARE(window->editor()->textCursor().position(), first->start());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_ContextMenu_Ignore")), 1);
        QCOMPARE(window->usage()->correctionRecords().first().choose, -1);

        // Without goto_next the cursor stays at the ignored mark's start.
        AppSettings::preferenceConfig().setValue(QStringLiteral("goto_next"), QStringLiteral("False"));
        CorrectionItem *sayed = markOn(*window, QStringLiteral("sayed"));
        const int start = sayed->start();
        QVERIFY(rightClick(*window, middleOf(sayed), [&](CustomContextMenu *menu) {
            menu->ignoreAction()->trigger();
        }));
        QCOMPARE(window->editor()->textCursor().position(), start);
        QVERIFY(!window->currentMark());
        QCOMPARE(window->liveMarks(), QList<CorrectionItem *>{first});
    }

    // Add to Glossary retires every misspelling mark on exactly that word,
    // not one on the capitalised word nor one of another kind.
    void addToGlossaryRetiresTheSameWord()
    {
        const QString s0 = QStringLiteral("I saw teh cat. ");
        const QString s1 = QStringLiteral("Teh dog and teh bird. ");
        const QString s2 = QStringLiteral("Was teh end.");
        auto window = reviewed(s0 + s1 + s2,
                               {{correction(s0, "teh", 0, "NONWORD", {"the"}, "REPLACE")},
                                {correction(s1, "Teh", 0, "NONWORD", {"The"}, "REPLACE"),
                                 correction(s1, "teh", 0, "NONWORD", {"the"}, "REPLACE")},
                                {correction(s2, "teh", 0, "REAL", {"the"}, "REPLACE")}});
        QVERIFY(window);
        QCOMPARE(window->liveMarks().size(), 4);
        CorrectionItem *capital = markOn(*window, QStringLiteral("Teh"));
        CorrectionItem *real = markOn(*window, QStringLiteral("teh"), 2);
        QCOMPARE(real->markErrorType(), 2);
        CorrectionItem *middle = markOn(*window, QStringLiteral("teh"), 1);
        QVERIFY(rightClick(*window, middleOf(middle), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), middle);
            QVERIFY(menu->appendAction());
            menu->appendAction()->trigger();
        }));
        QCOMPARE(window->liveMarks(), (QList<CorrectionItem *>{capital, real}));
        QCOMPARE(window->editor()->toPlainText(), s0 + s1 + s2);
        QCOMPARE(window->usage()->addedWords(), QStringList{"teh"});
        QVERIFY(window->usage()->IsInGlossary(QStringLiteral("teh")));
        QVERIFY(!window->usage()->IsInGlossary(QStringLiteral("Teh")));
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_ContextMenu_AppendedGLossary")), 1);
        QCOMPARE(window->usage()->correctionRecords().size(), 1);
        QCOMPARE(window->usage()->correctionRecords().first().choose, -1);
        // The REAL mark is no glossary matter: its menu offers no glossary entry.
        QVERIFY(rightClick(*window, middleOf(real), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), real);
            QVERIFY(!menu->appendAction());
        }));
    }

    // With goto_next, the mark after the chosen one is the same word and
    // goes too: the cursor stays at the chosen mark, nothing is selected.
    void glossaryWhoseSuccessorGoesToo()
    {
        const QString s0 = QStringLiteral("I saw teh cat and teh dog. ");
        const QString s1 = QStringLiteral("It is tomorow.");
        auto window = reviewed(s0 + s1, {{correction(s0, "teh", 0, "NONWORD", {"the"}, "REPLACE"),
                                          correction(s0, "teh", 1, "NONWORD", {"the"}, "REPLACE")},
                                         {correction(s1, "tomorow", 0, "NONWORD", {"tomorrow"}, "REPLACE")}});
        QVERIFY(window);
        CorrectionItem *first = window->liveMarks().first();
        CorrectionItem *tomorow = window->liveMarks().last();
        const int start = first->start();
        QVERIFY(rightClick(*window, middleOf(first), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), first);
            menu->appendAction()->trigger();
        }));
        QCOMPARE(window->liveMarks(), QList<CorrectionItem *>{tomorow});
        QVERIFY(!window->currentMark());
        QCOMPARE(window->editor()->textCursor().position(), start);
    }

    // Off a mark: Cut and Copy need a selection, Paste pasteable data; a
    // right click inside the selection keeps it, one elsewhere moves the
    // cursor first, so the menu is for the mark under the click.
    void offAMarkCutCopyPasteAndTheSelectionRule()
    {
        const QString text = QStringLiteral("The cat sayed hello to everyone here.");
        auto window = reviewed(text, {{correction(text, "sayed", 0, "NONWORD", {"said"}, "REPLACE")}});
        QVERIFY(window);
        CustomTextEditor *editor = window->editor();
        CorrectionItem *sayed = markOn(*window, QStringLiteral("sayed"));
        const int hello = int(text.indexOf(QStringLiteral("hello")));

        QApplication::clipboard()->clear();
        QVERIFY(rightClick(*window, hello + 2, [&](CustomContextMenu *menu) {
            QVERIFY(!menu->mark());
            QVERIFY(menu->candidateActions().isEmpty());
            QVERIFY(!menu->cutAction()->isEnabled());
            QVERIFY(!menu->copyAction()->isEnabled());
            QVERIFY(!menu->pasteAction()->isEnabled());
        }));
        QCOMPARE(editor->textCursor().position(), hello + 2);

        // Paste at the click, through the window's paste path.
        QApplication::clipboard()->setText(QStringLiteral("XY"));
        QVERIFY(rightClick(*window, hello, [&](CustomContextMenu *menu) {
            QVERIFY(menu->pasteAction()->isEnabled());
            menu->pasteAction()->trigger();
        }));
        QCOMPARE(editor->toPlainText(), QStringLiteral("The cat sayed XYhello to everyone here."));
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Paste")), 1);
        QCOMPARE(window->liveMarks(), QList<CorrectionItem *>{sayed});

        // A selection over the mark and the next word: the click inside keeps
        // it, the menu is the edit menu, and Cut retires the mark it touches.
        QTextCursor range = editor->textCursor();
        range.setPosition(sayed->start());
        range.setPosition(sayed->end() + 3, QTextCursor::KeepAnchor);
        editor->setTextCursor(range);
        const QString selected = range.selectedText();
        QVERIFY(rightClick(*window, sayed->start() + 2, [&](CustomContextMenu *menu) {
            QVERIFY(!menu->mark());
            QCOMPARE(editor->textCursor().selectedText(), selected);
            QVERIFY(menu->cutAction()->isEnabled());
            QVERIFY(menu->copyAction()->isEnabled());
            menu->copyAction()->trigger();
        }));
        QCOMPARE(QApplication::clipboard()->text(), selected);
        QCOMPARE(editor->textCursor().selectedText(), selected);
        QVERIFY(rightClick(*window, sayed->start() + 1, [&](CustomContextMenu *menu) {
            menu->cutAction()->trigger();
        }));
        QCOMPARE(editor->toPlainText(), QStringLiteral("The cat hello to everyone here."));
        QVERIFY(window->liveMarks().isEmpty());
        QVERIFY(!window->ui().applyAllButton->isEnabled());
    }

    // Against the local checking service: the menu offers what the service
    // answered for the misspelling, and its first row corrects it.
    void realReviewCorrectedFromTheMenu()
    {
        LocalServices services;
        QVERIFY2(services.start(), qPrintable(services.errorOutput()));
        services.pointServiceTableHere();
        const auto restore = qScopeGuard([this] {
            GammaLib::ServiceAddresses::instance().setProductHosts(m_services->host());
            GammaLib::ServiceAddresses::instance().setHost(GammaLib::ServiceAddresses::Checking, m_checker->host());
            GammaLib::UserAccess::instance().setSessionKey(QStringLiteral("menu-session"));
        });
        const QString session = services.registerAndLogIn(QStringLiteral("menus@example.com"), QStringLiteral("menu-1"));
        QVERIFY(!session.isEmpty());
        GammaLib::UserAccess::instance().setSessionKey(session);
        auto window = reviewed(QStringLiteral("This is a test of teh system."), {});
        QVERIFY(window);
        CorrectionItem *teh = nullptr;
        for (CorrectionItem *mark : window->liveMarks())
            if (mark->flaggedText() == QStringLiteral("teh"))
                teh = mark;
        QVERIFY(teh);
        const QStringList offered = teh->candidateList();
        QVERIFY(!offered.isEmpty());
        QCOMPARE(offered.first(), QStringLiteral("the"));
        QVERIFY(rightClick(*window, middleOf(teh), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), teh);
            QCOMPARE(rowTexts(menu), offered);
            QVERIFY(menu->appendAction());
            clickRow(menu, 0);
        }));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("This is a test of the system."));
        QCOMPARE(window->usage()->correctionRecords().first().correctionList, offered.join(QLatin1Char('\n')));
    }

    void rightClickOutsideTheSelectionOpensTheMarkUnderIt()
    {
        const QString text = QStringLiteral("The cat sayed hello to evryone here.");
        auto window = reviewed(text, {{correction(text, "sayed", 0, "NONWORD", {"said"}, "REPLACE"),
                                       correction(text, "evryone", 0, "NONWORD", {"everyone"}, "REPLACE")}});
        QVERIFY(window);
        CustomTextEditor *editor = window->editor();
        CorrectionItem *evryone = markOn(*window, QStringLiteral("evryone"));
        QTextCursor range = editor->textCursor();
        range.setPosition(0);
        range.setPosition(7, QTextCursor::KeepAnchor); // "The cat"
        editor->setTextCursor(range);
        QVERIFY(!window->currentMark());
        QVERIFY(rightClick(*window, middleOf(evryone), [&](CustomContextMenu *menu) {
            QVERIFY(!editor->textCursor().hasSelection());
            QCOMPARE(menu->mark(), evryone);
            QCOMPARE(rowTexts(menu), QStringList{"everyone"});
            clickRow(menu, 0);
        }));
        QCOMPARE(editor->toPlainText(), QStringLiteral("The cat sayed hello to everyone here."));
        // A selection exactly over a mark makes it the menu's mark.
        CorrectionItem *sayed = markOn(*window, QStringLiteral("sayed"));
        range.setPosition(sayed->start());
        range.setPosition(sayed->end(), QTextCursor::KeepAnchor);
        editor->setTextCursor(range);
        QVERIFY(rightClick(*window, middleOf(sayed), [&](CustomContextMenu *menu) {
            QCOMPARE(menu->mark(), sayed);
            QVERIFY(!menu->cutAction());
        }));
    }
};

QTEST_MAIN(TestContextMenuFlow)
#include "tst_contextmenuflow.moc"
