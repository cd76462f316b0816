// Open from and save to the note service as a user does it, through the main
// window's menu commands, against the local note service: authorisation in
// the real page (Allow and Decline clicked in the embedded browser), saving,
// the note list with its search, opening into the editor; plus a note store
// that answers "authentication expired" and a note that loads only on the
// second try, from a scripted server.
#include "appsettings.h"
#include "configfile.h"
#include "customtexteditor.h"
#include "edamerrorcode.h"
#include "evernote.h"
#include "evernotelistframe.h"
#include "evernoteprogressframe.h"
#include "evernotewindow.h"
#include "mainwnd.h"
#include "note.h"
#include "noteitemwidget.h"
#include "notelist.h"
#include "notetitle.h"
#include "recordinghttpserver.h"
#include "sentencesplitter.h"
#include "serviceaddresses.h"
#include "servicesfixture.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"

#include <QDialog>

#include <memory>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest>

using namespace GammaLib;

namespace {

const QString kEmail = QStringLiteral("writer@example.com");
const QString kPassword = QStringLiteral("secret-1");

QString storedToken()
{
    return AppSettings::preferenceConfig().value(QStringLiteral("evernote_access_token"));
}

void storeToken(const QString &token)
{
    AppSettings::preferenceConfig().setValue(QStringLiteral("evernote_access_token"), token);
    AppSettings::preferenceConfig().save();
}

// Thrift answers written with the program's own protocol on an unsent transport.
class Answer
{
public:
    Answer() : m_transport(QUrl(QStringLiteral("http://127.0.0.1:1/"))), m_protocol(&m_transport) {}
    TBinaryProtocol &p() { return m_protocol; }
    QByteArray bytes() const { return m_transport.buffer().left(m_transport.outputPosition()); }
    void reply(const char *name) { m_protocol.writeMessageBegin(QString::fromLatin1(name), TMessageType::Reply, 0); }

private:
    THttpClient m_transport;
    TBinaryProtocol m_protocol;
};

QByteArray stringAnswer(const char *name, const QString &value)
{
    Answer a;
    a.reply(name);
    a.p().writeFieldBegin({}, TType::String, 0);
    a.p().writeString(value);
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray userExceptionAnswer(const char *name, qint32 code)
{
    Answer a;
    a.reply(name);
    a.p().writeFieldBegin({}, TType::Struct, 1);
    a.p().writeFieldBegin({}, TType::I32, 1);
    a.p().writeI32(code);
    a.p().writeFieldStop();
    a.p().writeFieldStop();
    return a.bytes();
}

QByteArray structAnswer(const char *name, const std::function<void(TBinaryProtocol &)> &write)
{
    Answer a;
    a.reply(name);
    a.p().writeFieldBegin({}, TType::Struct, 0);
    write(a.p());
    a.p().writeFieldStop();
    return a.bytes();
}

RecordingHttpServer::Reply thrift(const QByteArray &body)
{
    RecordingHttpServer::Reply reply = RecordingHttpServer::answer(body);
    reply.contentType = "application/x-thrift";
    return reply;
}

} // namespace

class TestEvernoteFlow : public QObject
{
    Q_OBJECT
private:
    ServicesFixture m_fixture;
    QStringList m_asked;
    int m_reply = QDialog::Accepted;

    std::unique_ptr<MainWnd> makeWindow()
    {
        auto window = std::make_unique<MainWnd>();
        window->setMessagePresenter([this](const QString &text, const QStringList &, bool *) {
            m_asked.append(text);
            return m_reply;
        });
        window->show();
        return window;
    }

    // Waits for the authorisation page and answers it in the browser: fills
    // in the account and clicks Allow, or clicks Decline.
    static void answerPage(EvernoteProgressFrame *frame, bool allow)
    {
        QTRY_VERIFY2_WITH_TIMEOUT(frame->authorizationWindow() && frame->authorizationWindow()->isVisible()
                                      && !frame->authorizationWindow()->loadingShown(),
                                  "no authorisation page", 60000);
        EvernoteWindow *window = frame->authorizationWindow();
        QVERIFY2(window->webView(), "no embedded browser");
        QWebEnginePage *page = window->webView()->page();
        // The page's own buttons, pressed as a user presses them.
        // Answers of earlier probes may still arrive after this returns.
        auto ready = std::make_shared<bool>(false);
        QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                     page->runJavaScript(QStringLiteral("!!document.getElementById('allow')"),
                                                         [ready](const QVariant &v) { *ready = v.toBool(); });
                                     return *ready;
                                 }()),
                                 30000);
        const QString script = allow ? QStringLiteral("document.getElementById('email').value = '%1';"
                                                      "document.getElementById('password').value = '%2';"
                                                      "document.getElementById('allow').click();")
                                           .arg(kEmail, kPassword)
                                     : QStringLiteral("document.getElementById('decline').click();");
        page->runJavaScript(script);
    }

    static QList<NoteItemWidget *> visibleItems(EvernoteListFrame *list)
    {
        QList<NoteItemWidget *> items;
        for (int i = 0; i < list->count(); ++i)
            if (!list->item(i)->isHidden())
                items.append(list->item(i));
        return items;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<GammaLib::EDAMErrorCode>("GammaLib::EDAMErrorCode");
        qRegisterMetaType<GammaLib::EvernoteProgress>("GammaLib::EvernoteProgress");
        const QString failure = m_fixture.setUp(kEmail, kPassword);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }

    void init()
    {
        m_asked.clear();
        m_reply = QDialog::Accepted;
        m_fixture.services.pointServiceTableHere();
    }

    void titleRule()
    {
        QCOMPARE(NoteTitle::fromText(QStringLiteral("\n   \n  My trip. It was long.\nMore.")), QStringLiteral("My trip."));
        QCOMPARE(NoteTitle::fromText(QStringLiteral("A title without a mark\nBody.")), QStringLiteral("A title without a mark"));
        // No sentence end within the limit: cut at the last blank up to 248.
        const QString words = QString(QStringLiteral("word ")).repeated(60); // 300 characters
        const QString cut = NoteTitle::fromText(words);
        QVERIFY(cut.size() <= 248);
        QCOMPARE(cut, words.left(words.lastIndexOf(QLatin1Char(' '), 248)).trimmed());
        // No blank at all: the first 250 characters.
        QCOMPARE(NoteTitle::fromText(QString(300, QLatin1Char('x'))), QString(250, QLatin1Char('x')));
        // A first sentence ending past the limit does not count.
        const QString longSentence = QString(QStringLiteral("word ")).repeated(55) + QStringLiteral("end. Next.");
        QVERIFY(NoteTitle::fromText(longSentence).size() <= 248);
        QVERIFY(NoteTitle::fromText(QStringLiteral(" \n\t")).isEmpty());
    }

    void saveAuthorisesInThePageFirst()
    {
        storeToken(QString());
        auto window = makeWindow();
        window->editor()->setPlainText(QStringLiteral("Fish & chips <cheap>. A second sentence.\nThe second line."));
        window->slotSaveAsEvernote();
        EvernoteProgressFrame *frame = window->evernoteProgressFrame();
        QVERIFY(frame->isVisible());
        answerPage(frame, true);
        if (QTest::currentTestFailed())
            return;
        QTRY_COMPARE_WITH_TIMEOUT(frame->message(), QStringLiteral("Successfully saved to Evernote."), 60000);
        QVERIFY(storedToken().startsWith(QLatin1String("S=s1:U=")));
        QCOMPARE(frame->savedTitle(), QStringLiteral("Fish & chips <cheap>."));
        QVERIFY(frame->buttonText().startsWith(QStringLiteral("Close    (")));
        QVERIFY(!window->ui().central->isEnabled() || frame->isVisible());
        // The button ends the countdown at once.
        QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("evernoteButton")), Qt::LeftButton);
        QVERIFY(frame->isFinished());
        QVERIFY(!frame->isVisible());
        QVERIFY(m_asked.isEmpty());
    }

    void openWithStoredTokenListsSearchesAndOpens()
    {
        QVERIFY(!storedToken().isEmpty());
        auto window = makeWindow();
        // A second note, saved with the stored token: no page this time.
        window->editor()->setPlainText(QStringLiteral("Gardening diary\nTomatoes & beans grow < 2 metres."));
        window->slotSaveAsEvernote();
        EvernoteProgressFrame *frame = window->evernoteProgressFrame();
        QVERIFY(!frame->authorizationWindow());
        QTRY_COMPARE_WITH_TIMEOUT(frame->message(), QStringLiteral("Successfully saved to Evernote."), 60000);
        QVERIFY(!frame->authorizationWindow());
        // The countdown ends the panel by itself.
        QTRY_VERIFY_WITH_TIMEOUT(frame->isFinished(), 15000);

        window->editor()->setPlainText(QStringLiteral("Text being written."));
        window->slotOpenEvernote();
        QVERIFY(!frame->authorizationWindow());
        EvernoteListFrame *list = window->evernoteListFrame();
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 60000);
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->title(), QStringLiteral("Gardening diary"));
        QCOMPARE(list->item(1)->title(), QStringLiteral("Fish & chips <cheap>."));
        QCOMPARE(list->item(0)->dateText(), QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
        QCOMPARE(list->selectedIndex(), 0);
        // Every text arrives in the background, one after another.
        QTRY_VERIFY_WITH_TIMEOUT(list->isLoaded(0) && list->isLoaded(1), 60000);
        QCOMPARE(list->previewText(), QStringLiteral("Gardening diary\nTomatoes & beans grow < 2 metres."));
        QCOMPARE(list->noteText(1), QStringLiteral("Fish & chips <cheap>. A second sentence.\nThe second line."));

        // Search ignores case and looks at titles and texts.
        list->searchField()->setText(QStringLiteral("FISH"));
        QCOMPARE(visibleItems(list), QList<NoteItemWidget *>{list->item(1)});
        QCOMPARE(list->selectedIndex(), -1);
        QVERIFY(!list->openButton()->isEnabled());
        list->searchField()->setText(QStringLiteral("SECOND LINE"));
        QCOMPARE(visibleItems(list), QList<NoteItemWidget *>{list->item(1)});
        list->searchField()->setText(QStringLiteral("nothing like it"));
        QVERIFY(visibleItems(list).isEmpty());
        list->searchField()->setText(QStringLiteral("fish"));
        QTest::mouseClick(list->item(1), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(list->selectedIndex(), 1);
        QVERIFY(list->openButton()->isEnabled());

        // Open asks before replacing the text in the editor.
        QTest::mouseClick(list->openButton(), Qt::LeftButton);
        QCOMPARE(m_asked.size(), 1);
        QVERIFY(m_asked.first().startsWith(QStringLiteral("The current text will be replaced.")));
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Fish & chips <cheap>. A second sentence.\nThe second line."));
        QVERIFY(!list->isVisible());
    }

    void openKeepsTheTextWhenTheUserSaysNo()
    {
        auto window = makeWindow();
        window->editor()->setPlainText(QStringLiteral("Keep me."));
        m_reply = QDialog::Rejected;
        window->slotOpenEvernote();
        EvernoteListFrame *list = window->evernoteListFrame();
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible() && list->openButton()->isEnabled(), 60000);
        QTest::mouseClick(list->openButton(), Qt::LeftButton);
        QCOMPARE(m_asked.size(), 1);
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Keep me."));
    }

    void declineFinishesQuietly()
    {
        storeToken(QString());
        auto window = makeWindow();
        window->slotOpenEvernote();
        EvernoteProgressFrame *frame = window->evernoteProgressFrame();
        answerPage(frame, false);
        if (QTest::currentTestFailed())
            return;
        QTRY_VERIFY_WITH_TIMEOUT(frame->isFinished(), 60000);
        QVERIFY(frame->isCancelled());
        QVERIFY(!frame->isVisible());
        QVERIFY(!window->evernoteListFrame()->isVisible());
        QVERIFY(storedToken().isEmpty());
        QVERIFY(m_asked.isEmpty());
    }

    void expiredAuthorisationAsksAgain()
    {
        RecordingHttpServer server;
        QVERIFY(server.isListening());
        server.setReply("/edam/user", thrift(userExceptionAnswer("getNoteStoreUrl", EDAM::AuthExpired)));
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, server.host());
        storeToken(QStringLiteral("S=s1:U=1:E=old"));
        auto window = makeWindow();
        window->editor()->setPlainText(QStringLiteral("Saved later."));
        window->slotSaveAsEvernote();
        EvernoteProgressFrame *frame = window->evernoteProgressFrame();
        // The stored token is dropped and the page is asked for again.
        QVERIFY(server.waitForRequests(2, 30000));
        QTRY_VERIFY_WITH_TIMEOUT(!server.requests("/oauth").isEmpty(), 30000);
        QVERIFY(storedToken().isEmpty());
        // This server has no page: the new authorisation fails with a message.
        QTRY_COMPARE_WITH_TIMEOUT(frame->message(), QStringLiteral("Connection error. Please retry."), 30000);
        QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("evernoteButton")), Qt::LeftButton);
        QVERIFY(frame->isFinished());
    }

    void failedNoteShowsReloadAndLoadsOnTheSecondTry()
    {
        RecordingHttpServer server;
        QVERIFY(server.isListening());
        server.setReply("/edam/user", thrift(stringAnswer("getNoteStoreUrl", server.url(QStringLiteral("/shard/s1/notestore")))));
        server.queueReply("/shard/s1/notestore", thrift(structAnswer("findNotes", [](TBinaryProtocol &p) {
            NoteList list;
            Note note;
            note.guid = QStringLiteral("guid-1");
            note.title = QStringLiteral("Only note");
            note.created = QDateTime(QDate(2024, 3, 9), QTime(12, 0)).toMSecsSinceEpoch();
            note.isset.guid = note.isset.title = note.isset.created = true;
            list.notes.append(note);
            list.isset.notes = true;
            list.write(p);
        })));
        server.queueReply("/shard/s1/notestore", RecordingHttpServer::answer("busy", 503));
        server.setReply("/shard/s1/notestore", thrift(structAnswer("getNote", [](TBinaryProtocol &p) {
            Note note;
            note.guid = QStringLiteral("guid-1");
            note.content = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><!DOCTYPE en-note SYSTEM "
                                          "\"http://xml.evernote.com/pub/enml2.dtd\"><en-note>Line one<br />A &amp; B &lt; C</en-note>");
            note.isset.guid = note.isset.content = true;
            note.write(p);
        })));
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, server.host());
        storeToken(QStringLiteral("S=s1:U=1:E=fine"));
        auto window = makeWindow();
        window->slotOpenEvernote();
        EvernoteListFrame *list = window->evernoteListFrame();
        QTRY_VERIFY_WITH_TIMEOUT(list->isVisible(), 30000);
        QCOMPARE(list->item(0)->dateText(), QStringLiteral("2024/03/09"));
        QTRY_VERIFY_WITH_TIMEOUT(list->errorLabel()->isVisible(), 30000);
        QCOMPARE(list->openButton()->text(), QStringLiteral("Reload"));
        QVERIFY(list->openButton()->isEnabled());
        QVERIFY(!list->loadingShown());
        QTest::mouseClick(list->openButton(), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(list->isLoaded(0), 30000);
        QCOMPARE(list->previewText(), QStringLiteral("Line one\nA & B < C"));
        QCOMPARE(list->openButton()->text(), QStringLiteral("Open"));
        QVERIFY(!list->errorLabel()->isVisible());
        QTest::mouseClick(list->openButton(), Qt::LeftButton);
        QCOMPARE(window->editor()->toPlainText(), QStringLiteral("Line one\nA & B < C"));
    }

    void cancelStopsTheRunningRequest()
    {
        RecordingHttpServer server;
        server.setReply("/edam/user", RecordingHttpServer::neverAnswer());
        ServiceAddresses::instance().setHost(ServiceAddresses::Evernote, server.host());
        storeToken(QStringLiteral("S=s1:U=1:E=fine"));
        auto window = makeWindow();
        window->slotOpenEvernote();
        EvernoteProgressFrame *frame = window->evernoteProgressFrame();
        QVERIFY(server.waitForRequests(1, 30000));
        QCOMPARE(frame->buttonText(), QStringLiteral("Cancel"));
        QCOMPARE(frame->message(), QStringLiteral("Generating note url..."));
        QTest::mouseClick(frame->findChild<QPushButton *>(QStringLiteral("evernoteButton")), Qt::LeftButton);
        QVERIFY(frame->isFinished());
        QVERIFY(frame->isCancelled());
        QVERIFY(!window->evernoteListFrame()->isVisible());
    }
};

QTEST_MAIN(TestEvernoteFlow)
#include "tst_evernoteflow.moc"
