// The main window and quillet-check cut a text into the same chunks and send
// the same check request for it.

#include "chunkentry.h"
#include "chunkplan.h"
#include "checktaskthread.h"
#include "customtexteditor.h"
#include "detectsentencethread.h"
#include "recordinghttpserver.h"
#include "sentencesplitter.h"
#include "zlibbytes.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class TestSameRequest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_home;

    // The first check request quillet-check sends for the text.
    QByteArray toolRequest(const QString &text)
    {
        RecordingHttpServer server;
        server.setReply("/unified/", RecordingHttpServer::answer(QByteArray()));
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.path());
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUILLET_BINARY_DIR "/bin/quillet-check"),
                      {QStringLiteral("--service-host"), server.host()});
        if (!process.waitForStarted())
            return "<not started>";
        process.write(text.toUtf8());
        process.closeWriteChannel();
        QSignalSpy done(&process, &QProcess::finished);
        done.wait(60000);
        const QList<RecordingHttpServer::Request> checks = server.requests("/unified/");
        return checks.isEmpty() ? QByteArray("<no request>") : ZlibBytes::inflated(checks.first().body);
    }

    // The check request of a review of the text in the editor: the paragraphs
    // and sentences as the window collects them, then the check run.
    QByteArray windowRequest(const QString &text)
    {
        RecordingHttpServer server;
        server.setReply("/unified/", RecordingHttpServer::answer(QByteArray()));
        CustomTextEditor editor;
        editor.setDocumentText(text);
        GammaLib::DetectSentenceThread detection(&editor);
        QList<ChunkEntry *> entries;
        detection.startDetection(&entries);
        detection.wait();
        detection.makeChunks();
        QStringList sentences;
        QList<GammaLib::TextChunk *> chunks;
        for (ChunkEntry *entry : std::as_const(entries)) {
            sentences.append(entry->text());
            chunks.append(entry->chunk());
        }
        CheckTaskThread run(server.url(QStringLiteral("/unified/")), QStringLiteral("en"));
        run.startTask(QString(), nullptr, sentences, chunks, 2);
        const bool sent = server.waitForRequests(1, 30000);
        run.cancel();
        qDeleteAll(entries);
        const QList<RecordingHttpServer::Request> checks = server.requests("/unified/");
        return !sent || checks.isEmpty() ? QByteArray("<no request>") : ZlibBytes::inflated(checks.first().body);
    }

private slots:
    void plan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("bounds"); // start, end per chunk
        QTest::addColumn<QList<bool>>("titles");
        QTest::newRow("mixed") << QStringLiteral("My Holiday\n\nIt rained. We stayed in.\nThe End\n")
                               << QList<int>{0, 10, 12, 23, 23, 36, 37, 44} << QList<bool>{true, false, false, true};
        QTest::newRow("titles only") << QStringLiteral("One\n  \nTwo")
                                     << QList<int>{0, 3, 7, 10} << QList<bool>{true, false};
        QTest::newRow("one title") << QStringLiteral("Hello") << QList<int>{0, 5} << QList<bool>{false};
        QTest::newRow("crlf and lone cr") << QStringLiteral("Title\r\nA b.\rC d!")
                                          << QList<int>{0, 5, 7, 11, 12, 16} << QList<bool>{true, false, false};
        QTest::newRow("blank") << QStringLiteral(" \n\t\n") << QList<int>{} << QList<bool>{};
    }

    void plan()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, bounds);
        QFETCH(QList<bool>, titles);
        const QList<GammaLib::PlannedChunk> plan = GammaLib::planPlainText(text);
        QList<int> gotBounds;
        QList<bool> gotTitles;
        for (const GammaLib::PlannedChunk &chunk : plan) {
            gotBounds << chunk.start << chunk.end;
            gotTitles << chunk.title;
        }
        QCOMPARE(gotBounds, bounds);
        QCOMPARE(gotTitles, titles);
    }

    void sameRequest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("configs");
        QTest::newRow("mixed") << QStringLiteral("My Holiday\n\nI go to the beach yesterday. It were great.\n"
                                                 "Day Two\nWe swam (a lot). Then we ate \"fish.\" Mr. Lee came.\n")
                               << QByteArray("[1,0,0,1,0,0,0]");
        QTest::newRow("titles only") << QStringLiteral("Chapter One\n\nThe Long Road\nNotes")
                                     << QByteArray("[1,1,0]");
        QTest::newRow("single title") << QStringLiteral("A Title Without Marks") << QByteArray("[0]");
        QTest::newRow("full-width marks") << QStringLiteral("标题\n你好。再见！好吗？\n") << QByteArray("[1,0,0,0]");
        QTest::newRow("line breaks") << QStringLiteral("Heading\r\nIt is. So it goes.\r\n\r\nEnd note\rLast one!")
                                     << QByteArray("[1,0,0,1,0]");
        // The blank after the last sentence is a sentence of its own, in both.
        QTest::newRow("spaces kept") << QStringLiteral("  Indented title  \n  It is here.   And there.  \n")
                                     << QByteArray("[1,0,0,0]");
    }

    void sameRequest()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, configs);
        const QByteArray window = windowRequest(text);
        const QByteArray tool = toolRequest(text);
        QVERIFY2(window.contains("\"configs\":" + configs), window.constData());
        QCOMPARE(tool, window);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    GammaLib::prepareSegmentation();
    TestSameRequest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_samerequest.moc"
