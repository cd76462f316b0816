// The side panel: the rows of the current mark, actions through the hub,
// explanations, dictionary and translation look-ups with the language bar,
// time-outs and late answers, and the panel inside the main window.
#include "appsettings.h"
#include "callbackobject.h"
#include "chunkentry.h"
#include "configfile.h"
#include "correctionitem.h"
#include "correctionpanel.h"
#include "custommenuitem.h"
#include "customtexteditor.h"
#include "errortype.h"
#include "eventlog.h"
#include "lookupanswer.h"
#include "lookuprequest.h"
#include "mainwnd.h"
#include "preferences.h"
#include "recordinghttpserver.h"
#include "sentencechunk.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "servicesfixture.h"
#include "translationlanguages.h"
#include "useraccess.h"
#include "usercorrectionrecord.h"
#include "userinformation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>

using GammaLib::LookupRequest;
using GammaLib::ServiceAddresses;

namespace {

using Candidates = QList<QPair<QByteArray, QByteArray>>;

// A sentence of its own document, as one chunk entry, with marks on it.
struct Sentence
{
    QTextDocument document;
    std::unique_ptr<ChunkEntry> entry;

    explicit Sentence(const QString &text)
    {
        document.setPlainText(text);
        QTextCursor span(&document);
        span.setPosition(0);
        span.setPosition(int(text.size()), QTextCursor::KeepAnchor);
        entry = std::make_unique<ChunkEntry>(new GammaLib::SentenceChunk, span);
    }

    CorrectionItem *mark(const QString &flagged, const QByteArray &type, const Candidates &candidates,
                         const QByteArray &explainType = "spelling",
                         const QList<QByteArray> &featureKeys = {}, const QByteArray &errorInfo = {})
    {
        const int at = int(document.toPlainText().indexOf(flagged));
        CCorrection c;
        c.start = at;
        c.end = at + int(flagged.size());
        c.errorType = type;
        c.errorTypeCode = errorTypeOf(type);
        c.explainType = explainType;
        c.featureKeys = featureKeys;
        c.errorInfo = errorInfo;
        for (const auto &pair : candidates) {
            CCandidate candidate;
            candidate.correction = pair.first;
            candidate.candidateType = pair.second;
            c.candidates.append(candidate);
        }
        CorrectionItem *item = entry->makeMark(c);
        if (item)
            entry->insertMark(item);
        return item;
    }
};

struct HubCall
{
    CorrectionItem *item;
    MenuItemType type;
    int index;
    QString list;
};

const char *const kKnownErrors =
    "This is an test of teh system. Their going to the park tomorow. I has a apple.";

QStringList rowTexts(const CorrectionPanel &panel)
{
    QStringList texts;
    for (CustomMenuItem *row : panel.rows())
        texts << row->text();
    return texts;
}

} // namespace

class TestCorrectionPanel : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    QStringList m_events;

    static ConfigFile &preferences() { return AppSettings::preferenceConfig(); }

    std::unique_ptr<CorrectionPanel> makePanel(QLineEdit *box = nullptr)
    {
        auto panel = std::make_unique<CorrectionPanel>();
        panel->resize(260, 700);
        if (box)
            panel->bindSearchBox(box);
        panel->show();
        return panel;
    }

    static QList<RecordingHttpServer::Request> translations(const RecordingHttpServer &server)
    {
        return server.requests("/Veska/QLTranslation");
    }

private slots:
    void initTestCase()
    {
        const QString failure = m_fixture.setUp(QStringLiteral("panel@example.com"), QStringLiteral("secret-2"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        Preferences().setShowReport(true);
    }

    void init()
    {
        m_events.clear();
        EventLog::setSink([this](const QString &name) { m_events << name; });
        m_fixture.services.pointServiceTableHere();
        LookupRequest::setTimeOutMs(LookupRequest::DefaultTimeOutMs);
        preferences().setValue(QStringLiteral("translate_dest"), QStringLiteral("en"));
        preferences().setValue(QStringLiteral("goto_next"), QStringLiteral("True"));
        GammaLib::UserAccess::instance().setSessionKey(m_fixture.session);
    }

    void cleanup() { EventLog::setSink(nullptr); }

    // The struck-through title, one row per candidate in candidate order
    // with the prefixes of insertions and deletions, and "Add to Glossary"
    // only where the mark can go into the glossary.
    void rowsShowTheCurrentMark()
    {
        Sentence s(QStringLiteral("I seen teh cat go school very very good <b>."));
        CorrectionItem *teh = s.mark(QStringLiteral("teh"), "NONWORD",
                                     {{"the", "REPLACE"}, {"ten", "REPLACE"}, {"tea", "REPLACE"}});
        CorrectionItem *school = s.mark(QStringLiteral("school"), "GRAMMAR",
                                        {{"to", "INSERTION"}, {"into", "INSERTION"}});
        CorrectionItem *very = s.mark(QStringLiteral("very "), "STYLE", {{"", "DELETION"}});
        CorrectionItem *good = s.mark(QStringLiteral("good"), "IMPROVE", {{"excellent", "REPLACE"}});
        CorrectionItem *tag = s.mark(QStringLiteral("<b>"), "STYLE", {{"b", "REPLACE"}});
        QVERIFY(teh && school && very && good && tag);

        auto panel = makePanel();
        const Ui::CorrectionPanelClass &ui = panel->form();
        QVERIFY(!ui.correctionArea->isVisible());

        panel->showMark(teh);
        QCOMPARE(panel->mark(), teh);
        QVERIFY(ui.correctionArea->isVisible());
        QCOMPARE(ui.titleLabel->text(), QStringLiteral("<s>teh</s>"));
        QVERIFY(ui.titleLabel->styleSheet().contains(QLatin1String("color: #FA5050;")));
        QCOMPARE(rowTexts(*panel), QStringList({"the", "ten", "tea"}));
        for (int i = 0; i < panel->rows().size(); ++i) {
            QCOMPARE(panel->rows().at(i)->index(), i);
            QCOMPARE(ui.itemLayout->itemAt(i)->widget(), panel->rows().at(i));
            QVERIFY(!panel->rows().at(i)->warningIcon());
        }
        QVERIFY(ui.addDictButton->isVisible()); // NONWORD
        QVERIFY(ui.ignoreButton->isVisible());

        QPointer<CustomMenuItem> oldRow = panel->rows().first();
        panel->showMark(school);
        QCOMPARE(rowTexts(*panel), QStringList({"Insert: to", "Insert: into"}));
        QVERIFY(!ui.addDictButton->isVisible()); // GRAMMAR
        QTRY_VERIFY(!oldRow);                      // the earlier rows are gone

        panel->showMark(very);
        QCOMPARE(rowTexts(*panel), QStringList({"Delete: very "}));

        panel->showMark(good);
        QVERIFY(ui.titleLabel->styleSheet().contains(QLatin1String("color: #19A0DC;")));
        QCOMPARE(rowTexts(*panel), QStringList({"excellent"}));

        // Flagged text is text, not markup.
        panel->showMark(tag);
        QCOMPARE(ui.titleLabel->text(), QStringLiteral("<s>&lt;b&gt;</s>"));

        panel->showMark(nullptr);
        QVERIFY(!panel->mark());
        QVERIFY(!ui.correctionArea->isVisible());
        QVERIFY(panel->rows().isEmpty());
        QVERIFY(panel->shownHtml().isEmpty());
    }

    // A profane candidate carries the warning icon; the icon lights up with
    // its row and asks for the profanity tip 30 px below the row.
    void profaneCandidateWarns()
    {
        Sentence s(QStringLiteral("Oh darn it all."));
        CorrectionItem *mark = s.mark(QStringLiteral("darn it"), "REAL",
                                      {{"damn it", "REPLACE"}, {"damnation", "REPLACE"}, {"damn,", "REPLACE"}});
        auto panel = makePanel();
        panel->showMark(mark);
        QCOMPARE(panel->rows().size(), 3);
        CustomMenuItem *row = panel->rows().first();
        QLabel *icon = row->warningIcon();
        QVERIFY(icon);
        QCOMPARE(icon->size(), QSize(16, 16));
        QVERIFY(!panel->rows().at(1)->warningIcon());
        QVERIFY(!panel->rows().at(2)->warningIcon());

        const QImage normal = QPixmap(QStringLiteral(":/MainWnd/Resources/op_normal.png")).toImage();
        const QImage hover = QPixmap(QStringLiteral(":/MainWnd/Resources/op_hover.png")).toImage();
        QVERIFY(!normal.isNull() && !hover.isNull() && normal != hover);
        QCOMPARE(icon->pixmap().toImage(), normal);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(row, &enter);
        QCOMPARE(icon->pixmap().toImage(), hover);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(row, &leave);
        QCOMPARE(icon->pixmap().toImage(), normal);

        QLabel *tip = panel->profanityTip();
        QVERIFY(!tip->isVisible());
        QEvent iconEnter(QEvent::Enter);
        QCoreApplication::sendEvent(icon, &iconEnter);
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->pos(), row->mapTo(panel.get(), QPoint(0, 30)));
        QCOMPARE(tip->size(), QSize(238, 48));
        QCOMPARE(tip->text(), QStringLiteral("This option may contain profanity. Please use with caution."));
        QVERIFY(tip->styleSheet().contains(QLatin1String("tip_3.png")));
        QEvent iconLeave(QEvent::Leave);
        QCoreApplication::sendEvent(icon, &iconLeave);
        QVERIFY(!tip->isVisible());

        // Leaving the mark hides a tip left up.
        QCoreApplication::sendEvent(icon, &iconEnter);
        panel->showMark(nullptr);
        QVERIFY(!tip->isVisible());
    }

    // Rows, "Ignore" and "Add to Glossary" each count their event and hand
    // the mark to the hub with the type and index of the action.
    void actionsGoThroughTheHub()
    {
        Sentence s(QStringLiteral("I saw teh cat."));
        CorrectionItem *teh = s.mark(QStringLiteral("teh"), "NONWORD",
                                     {{"the", "REPLACE"}, {"ten", "REPLACE"}, {"tea", "REPLACE"}});
        auto panel = makePanel();
        panel->showMark(teh);

        QList<HubCall> calls;
        const QMetaObject::Connection hub = connect(
            &CallbackObject::instance(),
            qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&CallbackObject::signalCallback),
            this, [&calls](CorrectionItem *item, MenuItemType type, int index, const QString &list) {
                calls.append({item, type, index, list});
            });
        auto guard = qScopeGuard([hub] { disconnect(hub); });

        QTest::mouseClick(panel->rows().at(1), Qt::RightButton);
        QTest::mouseRelease(panel->rows().at(1), Qt::LeftButton, {}, QPoint(-5, -5));
        QVERIFY(calls.isEmpty());
        QTest::mouseClick(panel->rows().at(1), Qt::LeftButton);
        QTest::mouseClick(panel->form().ignoreButton, Qt::LeftButton);
        QTest::mouseClick(panel->form().addDictButton, Qt::LeftButton);
        QCOMPARE(calls.size(), 3);
        const QString list = QStringLiteral("the\nten\ntea");
        QCOMPARE(calls.at(0).item, teh);
        QCOMPARE(calls.at(0).type, ApplyCandidate);
        QCOMPARE(calls.at(0).index, 1);
        QCOMPARE(calls.at(0).list, list);
        QCOMPARE(calls.at(1).type, IgnoreMark);
        QCOMPARE(calls.at(1).index, 0);
        QCOMPARE(calls.at(2).type, AddToGlossary);
        QCOMPARE(calls.at(2).index, 0);
        QCOMPARE(calls.at(2).item, teh);
        QCOMPARE(m_events, QStringList({"QL_Main_Sidebar_Correct", "QL_Main_Sidebar_Ignore",
                                        "QL_Main_Sidebar_AppendedGLossary"}));

        // Without a mark the buttons have nothing to act on.
        panel->showMark(nullptr);
        panel->slotIgnor();
        panel->slotAddDict();
        panel->slotItemClicked(0);
        QCOMPARE(calls.size(), 3);
    }

    // The explanation comes from the local services, is kept in the mark and
    // answers the next showing at once; the view grows with its page; the
    // enrichment and confused-words marks get their hints.
    void explanationFromTheServices()
    {
        Sentence s(QStringLiteral("This is an test and a good idea, their car."));
        CorrectionItem *an = s.mark(QStringLiteral("an"), "GRAMMAR", {{"a", "REPLACE"}}, "article");
        CorrectionItem *good = s.mark(QStringLiteral("good"), "IMPROVE",
                                      {{"excellent", "REPLACE"}, {"fine", "REPLACE"}}, "lexsub",
                                      {"good", "excellent", "fine"}, "JJ");
        CorrectionItem *their = s.mark(QStringLiteral("their"), "REAL", {{"there", "REPLACE"}}, "confused");
        QVERIFY(an && good && their);

        auto panel = makePanel();
        QTextBrowser *view = panel->form().explanationView;
        panel->showMark(an);
        QCOMPARE(panel->shownHtml(), QStringLiteral("<body>Loading...</body>"));
        QCOMPARE(panel->requestCount(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("<title>Articles</title>")), 15000);
        QCOMPARE(panel->requestCount(), 0);
        QVERIFY(view->toPlainText().contains(QLatin1String("consonant sound")));
        QCOMPARE(an->correctionRecord().explanation, panel->shownHtml());
        QVERIFY(!panel->hintIcon()->isVisible()); // no hint for grammar
        QTRY_COMPARE(view->minimumHeight(), int(view->document()->size().height()) + 2 * view->frameWidth());
        QVERIFY(view->minimumHeight() > 40);

        // From the record, without a request.
        panel->showMark(nullptr);
        panel->showMark(an);
        QCOMPARE(panel->shownHtml(), an->correctionRecord().explanation);
        QCOMPARE(panel->requestCount(), 0);

        panel->showMark(good);
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("excellent")), 15000);
        QLabel *icon = panel->hintIcon();
        QLabel *tip = panel->hintTip();
        QVERIFY(icon->isVisible());
        QVERIFY(icon->styleSheet().contains(QLatin1String("hint_normal.png")));
        QVERIFY(tip->text().startsWith(QLatin1String("Enrichments suggest better word choices")));
        QVERIFY(tip->styleSheet().contains(QLatin1String("url(:/MainWnd/Resources/tip.png)")));
        QVERIFY(!tip->isVisible());
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(icon, &enter);
        QVERIFY(tip->isVisible());
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(icon, &leave);
        QVERIFY(!tip->isVisible());

        panel->showMark(their);
        QVERIFY(!icon->isVisible()); // hidden until the answer
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("Confused words")), 15000);
        QVERIFY(icon->isVisible());
        QVERIFY(tip->text().startsWith(QLatin1String("A word will be highlighted and flagged as \"Confused Words\"")));
        QVERIFY(tip->styleSheet().contains(QLatin1String("tip_2.png")));
    }

    // Requests carry a transfer time-out (10 s); a server that never
    // answers ends in the time-out text, for explanations, dictionary
    // entries and translations alike.
    void silentServerTimesOut()
    {
        QCOMPARE(LookupRequest::make(QUrl(QStringLiteral("http://127.0.0.1/"))).transferTimeout(), 10000);
        RecordingHttpServer silent;
        silent.setDefaultReply(RecordingHttpServer::neverAnswer());
        LookupRequest::setTimeOutMs(400);

        Sentence s(QStringLiteral("Their going home."));
        CorrectionItem *their = s.mark(QStringLiteral("Their"), "REAL", {{"They're", "REPLACE"}}, "confused");
        QLineEdit box;
        auto panel = makePanel(&box);
        const QString timedOut = QStringLiteral(
            "Request timed out. Please retry. You may need to diagnose your network connection if the "
            "problem lingers.");
        QCOMPARE(panel->timedOutText(), timedOut);

        ServiceAddresses::instance().setHost(ServiceAddresses::Explanation, silent.host());
        panel->showMark(their);
        QTRY_COMPARE_WITH_TIMEOUT(panel->shownHtml(), timedOut, 15000);
        QVERIFY(silent.requestCount() >= 1);
        QCOMPARE(panel->requestCount(), 0);
        QVERIFY(their->correctionRecord().explanation.isEmpty()); // a failure is not kept
        QVERIFY(!panel->hintIcon()->isVisible());

        // The dictionary (explanation host) says nothing.
        box.setText(QStringLiteral("house"));
        panel->slotSearch();
        QCOMPARE(panel->shownHtml(), QStringLiteral("<body>Loading...</body>"));
        QTRY_COMPARE_WITH_TIMEOUT(panel->shownHtml(), timedOut, 15000);
        QVERIFY(!panel->form().translation_panel->isVisible());

        // The dictionary does not know the word; the translation (API host) says nothing.
        m_fixture.services.pointServiceTableHere();
        ServiceAddresses::instance().setHost(ServiceAddresses::Api, silent.host());
        const int before = silent.requestCount();
        box.setText(QStringLiteral("gato"));
        panel->slotSearch();
        QTRY_VERIFY_WITH_TIMEOUT(silent.requestCount() > before, 15000);
        QTRY_COMPARE_WITH_TIMEOUT(panel->shownHtml(), timedOut, 15000);
        QVERIFY(panel->form().translation_panel->isVisible());
    }

    // A word the dictionary knows shows its entry; its related words search again.
    void dictionaryHit()
    {
        QLineEdit box;
        auto panel = makePanel(&box);
        box.setText(QStringLiteral("house"));
        QTest::keyClick(&box, Qt::Key_Return);
        QVERIFY(panel->isSearchMode());
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("<title>house</title>")), 15000);
        QVERIFY(!panel->form().translation_panel->isVisible());
        QVERIFY(!panel->form().correctionArea->isVisible());
        QCOMPARE(m_events, QStringList({"QL_Main_Search"}));

        // Related words are links whose path is the word.
        emit panel->form().explanationView->anchorClicked(QUrl(QStringLiteral("business%20firm")));
        QCOMPARE(box.text(), QStringLiteral("business firm"));
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("<title>business firm</title>")), 15000);

        // Return in an empty or blank box does nothing.
        const QString shown = panel->shownHtml();
        box.setText(QStringLiteral("   "));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(panel->shownHtml(), shown);
        QCOMPARE(m_events.count(QStringLiteral("QL_Main_Search")), 2);

        // Emptying the box clears the view when no mark is shown.
        box.clear();
        QVERIFY(panel->shownHtml().isEmpty());
    }

    // A word the dictionary does not know is translated.
    void dictionaryMissTranslates()
    {
        QLineEdit box;
        auto panel = makePanel(&box);
        box.setText(QStringLiteral("gato"));
        panel->slotSearch();
        QTRY_VERIFY_WITH_TIMEOUT(panel->form().translation_panel->isVisible(), 15000);
        QVERIFY(panel->shownHtml().contains(QLatin1String("<li>cat</li>")));
        QCOMPARE(m_events, QStringList({"QL_Main_Search", "QL_Main_Translate", "QL_Main_AUTO_EN"}));
    }

    // The exact requests: the search text goes out as a query value, so
    // "&", "+" and "#" reach the service; the translation page's logos come
    // from the program's pictures.
    void lookupWireFormat()
    {
        RecordingHttpServer server;
        QVERIFY(server.isListening());
        ServiceAddresses::instance().setProductHosts(server.host());
        ServiceAddresses::instance().setHost(ServiceAddresses::Resource, QStringLiteral("res.example:8080"));
        server.setReply("/", RecordingHttpServer::answer(QByteArray()));
        server.setReply("/Veska/QLTranslation",
                        RecordingHttpServer::answer("<p>x</p><img src=\"http://res.example:8080/images/google_lg.png\">"
                                                    "<img src=\"http://res.example:8080/images/bing_lg.png\">"));
        QLineEdit box;
        auto panel = makePanel(&box);
        box.setText(QStringLiteral("  rock & roll+C# 100%  "));
        panel->slotSearch();
        QTRY_VERIFY(panel->form().translation_panel->isVisible());
        QCOMPARE(server.requests("/").size(), 1);
        QCOMPARE(server.requests("/").first().target, QByteArray("/?qew2=rock%20%26%20roll%2BC%23%20100%25"));
        QCOMPARE(translations(server).size(), 1);
        QCOMPARE(translations(server).first().target,
                 QByteArray("/Veska/QLTranslation?content=rock%20%26%20roll%2BC%23%20100%25&src=auto&dest=en"));
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>x</p><img src=\":/MainWnd/Resources/google_lg.png\">"
                                                    "<img src=\":/MainWnd/Resources/bing_lg.png\">"));
        QVERIFY(!QPixmap(QStringLiteral(":/MainWnd/Resources/google_lg.png")).isNull());
        QVERIFY(!QPixmap(QStringLiteral(":/MainWnd/Resources/bing_lg.png")).isNull());

        // In Chinese the dictionary is the API host's.
        ServiceAddresses::instance().useChineseAddresses(true);
        auto restore = qScopeGuard([] { ServiceAddresses::instance().useChineseAddresses(false); });
        QCOMPARE(LookupRequest::dictionaryUrl(QStringLiteral("good")).toEncoded(),
                 QByteArray("http://") + server.host().toUtf8() + "/Veska/QLDictCN?content=good");

        // The language table: source codes and the event of each target.
        using GammaLib::TranslationLanguages;
        QCOMPARE(TranslationLanguages::sourceCode(0), QStringLiteral("auto"));
        QCOMPARE(TranslationLanguages::sourceCode(3), QStringLiteral("zh-CN"));
        QCOMPARE(TranslationLanguages::sourceCode(8), QString());
        QStringList events;
        for (int target = -1; target <= 7; ++target)
            events << TranslationLanguages::pairEvent(target, 1);
        QCOMPARE(events, QStringList({"", "QL_Main_ES_EN", "QL_Main_EN_ES", "QL_Main_EN_CN", "QL_Main_EN_FR",
                                      "QL_Main_EN_DE", "QL_Main_EN_PT", "QL_Main_EN_JA", ""}));

        // An error page is a failure, not a translation.
        server.clearRequests();
        server.setReply("/Veska/QLTranslation", RecordingHttpServer::answer("oops", 500));
        panel->slotSearch();
        QTRY_COMPARE(panel->shownHtml(), panel->timedOutText());
    }

    // The language bar: its boxes, the stored target, the exchange button
    // and one translation per change.
    void languageBar()
    {
        preferences().setValue(QStringLiteral("translate_dest"), QStringLiteral("zh-CN"));
        {
            auto panel = makePanel();
            const Ui::CorrectionPanelClass &ui = panel->form();
            QCOMPARE(ui.sourceBox->count(), 8);
            QCOMPARE(ui.sourceBox->itemText(0), QStringLiteral("Auto"));
            QCOMPARE(ui.sourceBox->itemText(3), QStringLiteral("Chinese"));
            QCOMPARE(ui.targetBox->count(), 7);
            QCOMPARE(ui.targetBox->itemText(6), QStringLiteral("Japanese"));
            QCOMPARE(ui.targetBox->currentIndex(), 2);
            QVERIFY(!ui.exchangeButton->isEnabled());
            QVERIFY(!ui.translation_panel->isVisible());
        }
        // On first use the target is the system's language.
        preferences().setValue(QStringLiteral("translate_dest"), QString());
        {
            auto panel = makePanel();
            const QString system = QLocale::system().bcp47Name();
            QCOMPARE(preferences().value(QStringLiteral("translate_dest")), system);
            QCOMPARE(panel->form().targetBox->currentIndex(),
                     qMax(0, GammaLib::TranslationLanguages::indexOf(system)));
        }

        preferences().setValue(QStringLiteral("translate_dest"), QStringLiteral("en"));
        RecordingHttpServer server;
        ServiceAddresses::instance().setProductHosts(server.host());
        server.setReply("/", RecordingHttpServer::answer(QByteArray()));
        server.setReply("/Veska/QLTranslation", RecordingHttpServer::answer("<p>t</p>"));
        QLineEdit box;
        auto panel = makePanel(&box);
        const Ui::CorrectionPanelClass &ui = panel->form();
        box.setText(QStringLiteral("gato"));
        panel->slotSearch();
        QTRY_VERIFY(ui.translation_panel->isVisible());
        QCOMPARE(translations(server).size(), 1);
        m_events.clear();

        // Choosing Chinese stores it and translates again at once.
        ui.targetBox->setCurrentIndex(2);
        QCOMPARE(preferences().value(QStringLiteral("translate_dest")), QStringLiteral("zh-CN"));
        QVERIFY(server.waitForRequests(3));
        QCOMPARE(translations(server).last().target,
                 QByteArray("/Veska/QLTranslation?content=gato&src=auto&dest=zh-CN"));
        QCOMPARE(m_events, QStringList({"QL_Main_Translate", "QL_Main_EN_CN"}));
        QVERIFY(!ui.exchangeButton->isEnabled()); // source on Auto

        ui.sourceBox->setCurrentIndex(2); // Spanish
        QVERIFY(ui.exchangeButton->isEnabled());
        QVERIFY(server.waitForRequests(4));
        QCOMPARE(translations(server).last().target,
                 QByteArray("/Veska/QLTranslation?content=gato&src=es&dest=zh-CN"));
        ui.targetBox->setCurrentIndex(1); // Spanish to Spanish
        QVERIFY(!ui.exchangeButton->isEnabled());
        ui.targetBox->setCurrentIndex(0); // Spanish to English
        QVERIFY(ui.exchangeButton->isEnabled());
        QVERIFY(server.waitForRequests(6));
        QTRY_COMPARE(panel->shownHtml(), QStringLiteral("<p>t</p>"));
        QCOMPARE(m_events.mid(m_events.size() - 2), QStringList({"QL_Main_Translate", "QL_Main_ES_EN"}));

        // Exchange: English to Spanish, with one translation.
        ui.exchangeButton->click();
        QCOMPARE(ui.sourceBox->currentIndex(), 1);
        QCOMPARE(ui.targetBox->currentIndex(), 1);
        QVERIFY(server.waitForRequests(7));
        QTest::qWait(200);
        QCOMPARE(server.requestCount(), 7);
        QCOMPARE(translations(server).last().target,
                 QByteArray("/Veska/QLTranslation?content=gato&src=en&dest=es"));
        QCOMPARE(preferences().value(QStringLiteral("translate_dest")), QStringLiteral("es"));

        // A mark hides the bar; changing a box outside a search translates nothing.
        Sentence s(QStringLiteral("I saw teh cat."));
        panel->showMark(s.mark(QStringLiteral("teh"), "NONWORD", {{"the", "REPLACE"}}));
        QVERIFY(!ui.translation_panel->isVisible());
        QVERIFY(!panel->isSearchMode());
        const int count = int(translations(server).size());
        ui.targetBox->setCurrentIndex(4);
        QCOMPARE(preferences().value(QStringLiteral("translate_dest")), QStringLiteral("de"));
        QTest::qWait(100);
        QCOMPARE(int(translations(server).size()), count);
    }

    // Only the newest explanation or look-up is shown: an earlier one that
    // answers last does not overwrite it, and is not kept in another mark.
    void lateAnswersAreDropped()
    {
        RecordingHttpServer server;
        ServiceAddresses::instance().setProductHosts(server.host());
        Sentence s(QStringLiteral("I saw teh cat and tha dog and tho bird."));
        CorrectionItem *teh = s.mark(QStringLiteral("teh"), "NONWORD", {{"the", "REPLACE"}});
        CorrectionItem *tha = s.mark(QStringLiteral("tha"), "NONWORD", {{"the", "REPLACE"}});
        CorrectionItem *tho = s.mark(QStringLiteral("tho"), "NONWORD", {{"the", "REPLACE"}});
        QLineEdit box;
        auto panel = makePanel(&box);

        // Mark after mark.
        server.queueReply("/eng/", RecordingHttpServer::answer("<p>first</p>", 200, 600));
        server.queueReply("/eng/", RecordingHttpServer::answer("<p>second</p>"));
        panel->showMark(teh);
        QVERIFY(server.waitForRequests(1));
        panel->showMark(tha);
        QTRY_COMPARE(panel->shownHtml(), QStringLiteral("<p>second</p>"));
        QTRY_COMPARE(panel->requestCount(), 0); // the first has answered too
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>second</p>"));
        QVERIFY(teh->correctionRecord().explanation.isEmpty());
        QCOMPARE(tha->correctionRecord().explanation, QStringLiteral("<p>second</p>"));

        // Search after search.
        QSignalSpy dictionary(&panel->dictionaryManager(), &QNetworkAccessManager::finished);
        server.queueReply("/", RecordingHttpServer::answer("<p>cat</p>", 200, 600));
        server.queueReply("/", RecordingHttpServer::answer("<p>dog</p>"));
        box.setText(QStringLiteral("cat"));
        panel->slotSearch();
        QVERIFY(server.waitForRequests(3));
        box.setText(QStringLiteral("dog"));
        panel->slotSearch();
        QTRY_COMPARE(panel->shownHtml(), QStringLiteral("<p>dog</p>"));
        QTRY_COMPARE(dictionary.count(), 2);
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>dog</p>"));

        // A search, then a mark: the dictionary's late answer stays away.
        server.queueReply("/", RecordingHttpServer::answer("<p>late</p>", 200, 600));
        box.setText(QStringLiteral("late"));
        panel->slotSearch();
        QVERIFY(server.waitForRequests(5));
        panel->showMark(tha); // explained before: at once
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>second</p>"));
        QTRY_COMPARE(dictionary.count(), 3);
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>second</p>"));
        QVERIFY(!panel->isSearchMode());

        // A mark, then a search: the explanation's late answer stays away.
        server.queueReply("/eng/", RecordingHttpServer::answer("<p>third</p>", 200, 600));
        server.queueReply("/", RecordingHttpServer::answer("<p>word</p>"));
        panel->showMark(tho);
        QVERIFY(server.waitForRequests(6));
        box.setText(QStringLiteral("word"));
        panel->slotSearch();
        QTRY_COMPARE(panel->shownHtml(), QStringLiteral("<p>word</p>"));
        QTRY_COMPARE(panel->requestCount(), 0);
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>word</p>"));
        QVERIFY(tho->correctionRecord().explanation.isEmpty());

        // Leaving the mark while in search mode keeps the search result.
        panel->showMark(nullptr);
        QVERIFY(panel->isSearchMode());
        QCOMPARE(panel->shownHtml(), QStringLiteral("<p>word</p>"));
    }

    // The panel in the main window after a real review: it follows the
    // current mark, its actions reach the window through the hub, a search
    // takes the view over until the cursor enters another mark, and a new
    // review leaves the side panel where the user put it.
    void insideTheMainWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([](const QString &, const QStringList &, bool *) { return int(QDialog::Rejected); });
        window->show();
        window->ui().sidebarToggle->setChecked(true);
        CorrectionPanel *panel = window->ui().correctionPanel;
        QVERIFY(panel->isVisible());

        window->editor()->setDocumentText(QString::fromLatin1(kKnownErrors));
        window->slotReview();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 120000);
        QVERIFY(window->ui().sidePanel->isVisible());
        QVERIFY(window->liveMarks().size() >= 4);
        QCOMPARE(panel->mark(), window->currentMark());
        QCOMPARE(rowTexts(*panel), window->currentMark()->candidateList());

        auto markOn = [&window](const char *flagged) -> CorrectionItem * {
            for (CorrectionItem *mark : window->liveMarks())
                if (mark->flaggedText() == QLatin1String(flagged))
                    return mark;
            return nullptr;
        };

        // A row applies its candidate; goto_next moves on to the next mark.
        CorrectionItem *teh = markOn("teh");
        QVERIFY(teh);
        window->editor()->selectMark(teh);
        QCOMPARE(panel->mark(), teh);
        QCOMPARE(panel->rows().first()->text(), QStringLiteral("the"));
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("Spelling")), 15000);
        QTest::mouseClick(panel->rows().first(), Qt::LeftButton);
        QVERIFY(window->editor()->toPlainText().contains(QLatin1String("test of the system.")));
        QVERIFY(!markOn("teh"));
        QVERIFY(window->currentMark());
        QCOMPARE(panel->mark(), window->currentMark());
        QVERIFY(window->usage()->events().value(QStringLiteral("QL_Main_Sidebar_Correct")) == 1);
        QCOMPARE(window->usage()->correctionRecords().last().word, QStringLiteral("teh"));
        QCOMPARE(window->usage()->correctionRecords().last().choose, 0);

        // "Ignore" retires the mark and keeps the text.
        CorrectionItem *their = markOn("Their");
        QVERIFY(their);
        window->editor()->selectMark(their);
        const QString before = window->editor()->toPlainText();
        QTest::mouseClick(panel->form().ignoreButton, Qt::LeftButton);
        QVERIFY(!markOn("Their"));
        QCOMPARE(window->editor()->toPlainText(), before);
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Sidebar_Ignore")), 1);

        // "Add to Glossary" puts the word in the glossary and retires it.
        CorrectionItem *tomorow = markOn("tomorow");
        QVERIFY(tomorow);
        window->editor()->selectMark(tomorow);
        QVERIFY(panel->form().addDictButton->isVisible());
        QTest::mouseClick(panel->form().addDictButton, Qt::LeftButton);
        QVERIFY(!markOn("tomorow"));
        QVERIFY(window->usage()->addedWords().contains(QStringLiteral("tomorow")));
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Sidebar_AppendedGLossary")), 1);

        // A search hides the mark's rows; another mark brings them back.
        QVERIFY(window->liveMarks().size() >= 2);
        CorrectionItem *first = window->liveMarks().first();
        CorrectionItem *second = window->liveMarks().at(1);
        window->editor()->selectMark(first);
        QCOMPARE(panel->mark(), first);
        window->ui().sidebarToggle->setChecked(false);
        QVERIFY(!window->ui().sidePanel->isVisible());
        QCOMPARE(window->usage()->events().value(QStringLiteral("QL_Main_Hide_Sidebar")), 1);
        window->ui().searchField->setText(QStringLiteral("house"));
        QVERIFY(window->ui().searchButton->isEnabled());
        QTest::mouseClick(window->ui().searchButton, Qt::LeftButton);
        QVERIFY(window->ui().sidebarToggle->isChecked()); // the search brings the panel out
        QVERIFY(window->ui().sidePanel->isVisible());
        QVERIFY(panel->isSearchMode());
        QVERIFY(!panel->form().correctionArea->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(panel->shownHtml().contains(QLatin1String("<title>house</title>")), 15000);
        window->editor()->selectMark(second);
        QCOMPARE(panel->mark(), second);
        QVERIFY(!panel->isSearchMode());
        QVERIFY(panel->form().correctionArea->isVisible());

        // A new review clears the panel and keeps the side panel shown.
        window->editor()->setDocumentText(QStringLiteral("I has a apple."));
        window->slotReview();
        QVERIFY(!panel->mark() || window->liveMarks().contains(panel->mark()));
        QTRY_VERIFY_WITH_TIMEOUT(!window->isReviewRunning(), 120000);
        QVERIFY(window->ui().sidePanel->isVisible());
        QCOMPARE(panel->mark(), window->currentMark());
    }
};

QTEST_MAIN(TestCorrectionPanel)
#include "tst_correctionpanel.moc"
