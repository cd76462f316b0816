// The correction context menu on its own: rows, prefixes, warning icons,
// the enabled rules off a mark, the hub calls with their usage events, and
// the tip.
#include "callbackobject.h"
#include "chunkentry.h"
#include "correctionitem.h"
#include "customaction.h"
#include "customcontextmenu.h"
#include "customtexteditor.h"
#include "editorfixture.h"
#include "eventlog.h"
#include "menuitemtype.h"
#include "sentencechunk.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Candidates = QList<QPair<QByteArray, QByteArray>>;

// One editor holding a single sentence chunk, with marks made on it as the
// main window makes them.
struct Document
{
    CustomTextEditor editor;
    QList<ChunkEntry *> chunks;

    explicit Document(const QString &text)
    {
        editor.setDocumentText(text);
        QTextCursor span(editor.document());
        span.setPosition(0);
        span.setPosition(int(text.size()), QTextCursor::KeepAnchor);
        chunks.append(new ChunkEntry(new GammaLib::SentenceChunk, span));
        editor.setChunkList(&chunks);
    }
    ~Document()
    {
        editor.setChunkList(nullptr);
        qDeleteAll(chunks);
    }

    CorrectionItem *mark(const QString &word, const QByteArray &type, const Candidates &candidates)
    {
        const int start = int(editor.toPlainText().indexOf(word));
        CorrectionItem *item =
            chunks.first()->makeMark(makeCorrection(start, start + int(word.size()), type, candidates));
        chunks.first()->insertMark(item);
        editor.createLabel(item);
        return item;
    }
};

struct HubCall
{
    CorrectionItem *item;
    int type;
    int index;
    QString list;
};

QStringList rowTexts(const CustomContextMenu &menu)
{
    QStringList texts;
    for (CustomAction *action : menu.candidateActions())
        texts << action->textLabel()->text();
    return texts;
}

QStringList entryTexts(const QMenu &menu)
{
    QStringList texts;
    for (QAction *action : menu.actions())
        texts << (action->isSeparator() ? QStringLiteral("|") : action->text());
    return texts;
}

} // namespace

class TestContextMenu : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_home;
    QStringList m_events;
    QList<HubCall> m_calls;

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        EventLog::setSink([this](const QString &name) { m_events << name; });
        connect(&CallbackObject::instance(),
                qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&CallbackObject::signalCallback),
                this, [this](CorrectionItem *item, MenuItemType type, int index, const QString &list) {
                    m_calls.append({item, int(type), index, list});
                });
    }

    void cleanupTestCase() { EventLog::setSink(nullptr); }

    void init()
    {
        m_events.clear();
        m_calls.clear();
    }

    void codesAndStyle()
    {
        QCOMPARE(int(ApplyCandidate), 0);
        QCOMPARE(int(IgnoreMark), 1);
        QCOMPARE(int(AddToGlossary), 3);
        Document doc(QStringLiteral("A word."));
        CustomContextMenu menu(&doc.editor, nullptr);
        QCOMPARE(menu.parentWidget(), &doc.editor);
        QCOMPARE(menu.styleSheet(),
                 QStringLiteral("QMenu{ \nfont:10pt \"Arial,Sans-serif\";\nbackground-color: #ffffff;\n"
                                "border:1px solid #6e6e6e; \ncolor:#666666; } \nQMenu::item{\n"
                                "padding: 10px 20px;\nbackground-color: transparent;}\n"
                                "QMenu::item:selected{ \nbackground-color: #1872d9;\ncolor: #ffffff;}\n"
                                "QMenu::item:disabled { \ncolor: #9A9A9A;} \nQMenu::separator{\n"
                                "height:1px;\nmargin:1px;\nbackground-color:#e6e6e6;\n}\n"));
    }

    // Off a mark: Cut and Copy need a selection, Paste needs pasteable data.
    void editEntriesFollowSelectionAndClipboard()
    {
        Document doc(QStringLiteral("Plain words here."));
        QApplication::clipboard()->clear();
        {
            CustomContextMenu menu(&doc.editor, nullptr);
            QCOMPARE(entryTexts(menu), (QStringList{"Cut", "Copy", "Paste"}));
            QVERIFY(!menu.cutAction()->isEnabled());
            QVERIFY(!menu.copyAction()->isEnabled());
            QVERIFY(!menu.pasteAction()->isEnabled());
            QVERIFY(!menu.ignoreAction() && !menu.appendAction());
            QVERIFY(menu.candidateActions().isEmpty());
        }
        // An image alone is nothing the editor pastes.
        auto *imageOnly = new QMimeData;
        imageOnly->setImageData(QImage(4, 4, QImage::Format_RGB32));
        QApplication::clipboard()->setMimeData(imageOnly);
        {
            CustomContextMenu menu(&doc.editor, nullptr);
            QVERIFY(!menu.pasteAction()->isEnabled());
        }
        QApplication::clipboard()->setText(QStringLiteral("pasted"));
        QTextCursor cursor = doc.editor.textCursor();
        cursor.setPosition(6);
        cursor.setPosition(11, QTextCursor::KeepAnchor);
        doc.editor.setTextCursor(cursor);
        CustomContextMenu menu(&doc.editor, nullptr);
        QVERIFY(menu.cutAction()->isEnabled());
        QVERIFY(menu.copyAction()->isEnabled());
        QVERIFY(menu.pasteAction()->isEnabled());

        // Cut is only announced (the main window retires marks, then cuts);
        // Copy copies; Paste goes through the editor's paste path.
        QSignalSpy cut(&menu, &CustomContextMenu::signalCut);
        menu.cutAction()->trigger();
        QCOMPARE(cut.size(), 1);
        QCOMPARE(doc.editor.toPlainText(), QStringLiteral("Plain words here."));
        menu.copyAction()->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("words"));
        QSignalSpy pasted(&doc.editor, &CustomTextEditor::signalOnPaste);
        menu.pasteAction()->trigger();
        QCOMPARE(pasted.size(), 1);
        QCOMPARE(pasted.first().first().toString(), QStringLiteral("words"));
        QVERIFY(m_calls.isEmpty());
        QVERIFY(m_events.isEmpty());
    }

    void markEntriesInCandidateOrder_data()
    {
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<QString>("word");
        QTest::addColumn<Candidates>("candidates");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("glossary");
        QTest::newRow("misspelling") << QByteArray("NONWORD") << QStringLiteral("teh")
                                     << Candidates{{"the", "REPLACE"}, {"ten", "REPLACE"}, {"tea", "REPLACE"}}
                                     << QStringList{"the", "ten", "tea"} << true;
        QTest::newRow("grammar") << QByteArray("GRAMMAR") << QStringLiteral("has")
                                 << Candidates{{"have", "REPLACE"}, {"had", "REPLACE"}}
                                 << QStringList{"have", "had"} << false;
        QTest::newRow("deletion") << QByteArray("GRAMMAR") << QStringLiteral("and")
                                  << Candidates{{"", "DELETION"}} << QStringList{"Delete: and"} << false;
        QTest::newRow("insertion") << QByteArray("GRAMMAR") << QStringLiteral("school")
                                   << Candidates{{"to", "INSERTION"}, {"into", "INSERTION"}}
                                   << QStringList{"Insert: to", "Insert: into"} << false;
        QTest::newRow("case-only style") << QByteArray("STYLE") << QStringLiteral("quillet")
                                         << Candidates{{"Quillet", "REPLACE"}} << QStringList{"Quillet"} << true;
        QTest::newRow("style with a choice") << QByteArray("STYLE") << QStringLiteral("quillet")
                                             << Candidates{{"Quillet", "REPLACE"}, {"Quill", "REPLACE"}}
                                             << QStringList{"Quillet", "Quill"} << false;
        QTest::newRow("no candidates") << QByteArray("REAL") << QStringLiteral("has") << Candidates{}
                                       << QStringList{} << false;
    }

    void markEntriesInCandidateOrder()
    {
        QFETCH(QByteArray, type);
        QFETCH(QString, word);
        QFETCH(Candidates, candidates);
        QFETCH(QStringList, rows);
        QFETCH(bool, glossary);
        Document doc(QStringLiteral("He has teh quillet and school."));
        CorrectionItem *mark = doc.mark(word, type, candidates);
        QVERIFY(mark);
        CustomContextMenu menu(&doc.editor, mark);
        QCOMPARE(menu.mark(), mark);
        QCOMPARE(rowTexts(menu), rows);
        QStringList expected = rows;
        expected << QStringLiteral("|") << QStringLiteral("Ignore");
        if (glossary)
            expected << QStringLiteral("Add to Glossary");
        QCOMPARE(entryTexts(menu), expected);
        QCOMPARE(bool(menu.appendAction()), glossary);
        QVERIFY(!menu.cutAction() && !menu.copyAction() && !menu.pasteAction());
        for (int i = 0; i < menu.candidateActions().size(); ++i) {
            CustomAction *row = menu.candidateActions().at(i);
            QCOMPARE(row->index(), i);
            QCOMPARE(row->defaultWidget(), row->row());
            // The row's own font (the editor's follows the system font).
            QCOMPARE(row->textLabel()->font().family(), QFont(QStringLiteral("Arial, Sans-serif")).family());
            QCOMPARE(row->textLabel()->font().pointSize(), 10);
        }
    }

    void profaneCandidatesCarryTheWarningIcon()
    {
        Document doc(QStringLiteral("Oh darn it all."));
        CorrectionItem *mark = doc.mark(QStringLiteral("darn it"), "STYLE",
                                        {{"damn it", "REPLACE"}, {"damnation", "REPLACE"},
                                         {"damn,", "REPLACE"}, {"DAMN", "REPLACE"}});
        CustomContextMenu menu(&doc.editor, mark);
        const QList<CustomAction *> rows = menu.candidateActions();
        QCOMPARE(rows.size(), 4);
        QVERIFY(rows.at(0)->warningIcon());
        QVERIFY(!rows.at(1)->warningIcon());
        QVERIFY(!rows.at(2)->warningIcon());
        QVERIFY(rows.at(3)->warningIcon());

        // The pictures are compiled in; hovering swaps picture and colours.
        CustomAction *risky = rows.first();
        QLabel *icon = risky->warningIcon();
        QCOMPARE(icon->size(), QSize(16, 16));
        const QImage normal = icon->pixmap().toImage();
        QVERIFY(!normal.isNull());
        // Drawn where it sits, inside a menu on the editor and its style.
        QCOMPARE(icon->grab().toImage().pixelColor(4, 12), normal.pixelColor(4, 12));
        QCOMPARE(normal.pixelColor(4, 12).alpha(), 255);
        QCOMPARE(risky->row()->styleSheet(), QStringLiteral("QWidget{background-color: transparent}"));
        QCOMPARE(risky->textLabel()->styleSheet(), QStringLiteral("QLabel{padding: 3px 8px;color: #666666}"));
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(risky->row(), &enter);
        QVERIFY(risky->isHovered());
        QCOMPARE(risky->row()->styleSheet(), QStringLiteral("QWidget{background-color: #1872d9}"));
        QCOMPARE(risky->textLabel()->styleSheet(), QStringLiteral("QLabel{padding: 3px 8px;color: #ffffff}"));
        const QImage hovered = icon->pixmap().toImage();
        QVERIFY(!hovered.isNull());
        QVERIFY(hovered != normal);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(risky->row(), &leave);
        QVERIFY(!risky->isHovered());
        QCOMPARE(icon->pixmap().toImage(), normal);
        QCOMPARE(risky->textLabel()->styleSheet(), QStringLiteral("QLabel{padding: 3px 8px;color: #666666}"));
    }

    // A candidate that looks like markup is shown as typed.
    void candidateTextIsPlain()
    {
        Document doc(QStringLiteral("Tags like b here."));
        CorrectionItem *mark = doc.mark(QStringLiteral("b"), "GRAMMAR", {{"<b>bold</b>", "REPLACE"}});
        CustomContextMenu menu(&doc.editor, mark);
        QLabel *label = menu.candidateActions().first()->textLabel();
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QCOMPARE(label->text(), QStringLiteral("<b>bold</b>"));
    }

    // Each entry logs its usage event first, then calls the hub with the
    // mark, its code, the index and the mark's candidate list.
    void entriesCallTheHub()
    {
        Document doc(QStringLiteral("Go to teh shop."));
        const Candidates candidates{{"the", "REPLACE"}, {"ten", "REPLACE"}};
        CorrectionItem *mark = doc.mark(QStringLiteral("teh"), "NONWORD", candidates);

        QStringList order;
        auto *hub = &CallbackObject::instance();
        const auto watch = connect(hub, qOverload<CorrectionItem *, MenuItemType, int, const QString &>(
                                            &CallbackObject::signalCallback),
                                   this, [&] { order << QStringLiteral("hub after ") + m_events.join(QLatin1Char(',')); });
        {
            CustomContextMenu menu(&doc.editor, mark);
            menu.candidateActions().at(1)->trigger();
            QCOMPARE(menu.mark(), nullptr); // handed on, never used again
        }
        {
            CustomContextMenu menu(&doc.editor, mark);
            menu.ignoreAction()->trigger();
        }
        {
            CustomContextMenu menu(&doc.editor, mark);
            menu.appendAction()->trigger();
        }
        disconnect(watch);
        QCOMPARE(m_events, (QStringList{"QL_Main_ContextMenu_Correct", "QL_Main_ContextMenu_Ignore",
                                        "QL_Main_ContextMenu_AppendedGLossary"}));
        QCOMPARE(order.first(), QStringLiteral("hub after QL_Main_ContextMenu_Correct"));
        QCOMPARE(m_calls.size(), 3);
        const int codes[3][2] = {{0, 1}, {1, 0}, {3, 0}};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(m_calls.at(i).item, mark);
            QCOMPARE(m_calls.at(i).type, codes[i][0]);
            QCOMPARE(m_calls.at(i).index, codes[i][1]);
            QCOMPARE(m_calls.at(i).list, QStringLiteral("the\nten"));
        }
        // The menu changes nothing itself: that is the main window's work.
        QCOMPARE(doc.editor.toPlainText(), QStringLiteral("Go to teh shop."));
    }

    // A mark that went away while its menu was open is not acted on.
    void retiredMarkIsNotActedOn()
    {
        Document doc(QStringLiteral("Go to teh shop."));
        CorrectionItem *mark = doc.mark(QStringLiteral("teh"), "NONWORD", {{"the", "REPLACE"}});
        CustomContextMenu menu(&doc.editor, mark);
        doc.chunks.first()->removeMark(mark);
        menu.candidateActions().first()->trigger();
        menu.ignoreAction()->trigger();
        menu.appendAction()->trigger();
        QVERIFY(m_calls.isEmpty());
        QVERIFY(m_events.isEmpty());
        // Without a chunk list (the review was discarded) the same.
        CorrectionItem *again = doc.mark(QStringLiteral("teh"), "NONWORD", {{"the", "REPLACE"}});
        CustomContextMenu second(&doc.editor, again);
        doc.editor.setChunkList(nullptr);
        second.ignoreAction()->trigger();
        QVERIFY(m_calls.isEmpty());
        doc.editor.setChunkList(&doc.chunks);
    }

    // A real click on a row, as the open menu receives it.
    void clickOnARowAppliesThatCandidate()
    {
        Document doc(QStringLiteral("Go to teh shop."));
        doc.editor.show();
        CorrectionItem *mark = doc.mark(QStringLiteral("teh"), "NONWORD",
                                        {{"the", "REPLACE"}, {"ten", "REPLACE"}, {"tea", "REPLACE"}});
        CustomContextMenu menu(&doc.editor, mark);
        menu.popup(doc.editor.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QWidget *row = menu.candidateActions().at(2)->row();
        QVERIFY(row->isVisible());
        QTest::mouseClick(row, Qt::LeftButton, {}, row->rect().center());
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls.first().type, 0);
        QCOMPARE(m_calls.first().index, 2);
        QTRY_VERIFY(!menu.isVisible());
    }

    // Down, Down, Return: the second row looks current and is applied.
    void keyboardChoosesARow()
    {
        Document doc(QStringLiteral("Go to teh shop."));
        doc.editor.show();
        CorrectionItem *mark = doc.mark(QStringLiteral("teh"), "NONWORD",
                                        {{"the", "REPLACE"}, {"ten", "REPLACE"}, {"tea", "REPLACE"}});
        CustomContextMenu menu(&doc.editor, mark);
        menu.popup(doc.editor.mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::keyClick(&menu, Qt::Key_Down);
        QVERIFY(menu.candidateActions().at(0)->isHovered());
        QTest::keyClick(&menu, Qt::Key_Down);
        QVERIFY(!menu.candidateActions().at(0)->isHovered());
        QVERIFY(menu.candidateActions().at(1)->isHovered());
        QCOMPARE(menu.candidateActions().at(1)->row()->styleSheet(),
                 QStringLiteral("QWidget{background-color: #1872d9}"));
        QTest::keyClick(&menu, Qt::Key_Return);
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls.first().index, 1);
        QCOMPARE(m_events, QStringList{"QL_Main_ContextMenu_Correct"});
    }

    void tipIsAHiddenFramelessWindowOwnedByTheMenu()
    {
        Document doc(QStringLiteral("Words."));
        QPointer<QLabel> tip;
        {
            CustomContextMenu menu(&doc.editor, nullptr);
            tip = menu.tip();
            QVERIFY(tip);
            QVERIFY(tip->isWindow());
            QVERIFY(tip->windowFlags() & Qt::FramelessWindowHint);
            QVERIFY(tip->isHidden());
            QCOMPARE(tip->size(), QSize(238, 48));
            QVERIFY(tip->wordWrap());
            QCOMPARE(tip->focusPolicy(), Qt::NoFocus);
            QVERIFY(tip->testAttribute(Qt::WA_TransparentForMouseEvents));
            QVERIFY(tip->testAttribute(Qt::WA_TranslucentBackground));
            QCOMPARE(tip->text(), QStringLiteral("This option may contain profanity. Please use with caution."));
            QVERIFY(tip->styleSheet().contains(QStringLiteral("url(:/MainWnd/Resources/tip_3.png)")));
            QVERIFY(tip->styleSheet().contains(QStringLiteral("color:#be911e;")));
            menu.slotShowTip();
            QVERIFY(tip->isVisible());
            QCOMPARE(tip->pos(), QPoint(30, 30));
            menu.slotHideTip();
            QVERIFY(tip->isHidden());
            menu.slotShowTip();
        }
        // One tip window per menu would pile up otherwise.
        QVERIFY(!tip);
        QVERIFY(QFile::exists(QStringLiteral(":/MainWnd/Resources/tip_3.png")));
    }

    void hubWithoutAMarkSendsAnEmptyList()
    {
        CallbackObject::instance().invokeCallback(nullptr, IgnoreMark, 0);
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls.first().item, nullptr);
        QVERIFY(m_calls.first().list.isEmpty());
    }
};

QTEST_MAIN(TestContextMenu)
#include "tst_contextmenu.moc"
