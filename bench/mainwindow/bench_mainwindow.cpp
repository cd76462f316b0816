// Label placement with many live marks (it runs on every scroll step), and a
// whole review of a 10,000-word document against the local services.
#include "appsettings.h"
#include "chunkentry.h"
#include "clickablelabel.h"
#include "configfile.h"
#include "correctionitem.h"
#include "customtexteditor.h"
#include "errortype.h"
#include "localservices.h"
#include "mainwnd.h"
#include "sentencesplitter.h"
#include "sentencechunk.h"
#include "useraccess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

namespace {

QString essay(int sentences)
{
    static const char *const pool[] = {
        "This is an test of teh system.", "Their going to the park tomorow.",
        "I has a apple and two banana.", "The weather was really very nice today.",
        "She dont like the the movie at all.", "We discussed about the problem yesterday.",
        "Good writing needs clear sentences and careful words.", "He go to school every morning."};
    QStringList out;
    for (int i = 0; i < sentences; ++i) {
        out << QString::fromLatin1(pool[i % 8]);
        if (i % 6 == 5)
            out << QStringLiteral("\n");
    }
    return out.join(QLatin1Char(' '));
}

void BM_RepositionLabels(benchmark::State &state)
{
    CustomTextEditor editor;
    editor.resize(900, 700);
    editor.show();
    editor.setDocumentText(essay(400));
    QList<ChunkEntry *> chunks;
    QTextCursor all(editor.document());
    all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    chunks.append(new ChunkEntry(new GammaLib::SentenceChunk, all));
    editor.setChunkList(&chunks);
    const int length = all.selectionEnd();
    int made = 0;
    for (int at = 0; made < state.range(0) && at + 4 < length; at += length / state.range(0)) {
        CCorrection c;
        c.start = at;
        c.end = at + 3;
        c.errorType = "NONWORD";
        c.errorTypeCode = NONWORD;
        CCandidate candidate;
        candidate.correction = "word";
        candidate.candidateType = "REPLACE";
        c.candidates.append(candidate);
        CorrectionItem *mark = chunks.first()->makeMark(c);
        chunks.first()->insertMark(mark);
        editor.createLabel(mark);
        mark->label()->show();
        ++made;
    }
    for (auto _ : state)
        editor.repositionLabels();
    state.counters["marks"] = made;
    editor.setChunkList(nullptr);
    qDeleteAll(chunks);
}
BENCHMARK(BM_RepositionLabels)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_ReviewToLastMark(benchmark::State &state)
{
    static LocalServices services;
    static QString session;
    if (session.isEmpty()) {
        if (!services.start()) {
            state.SkipWithError("local services did not start");
            return;
        }
        services.pointServiceTableHere();
        session = services.registerAndLogIn(QStringLiteral("bench@example.com"), QStringLiteral("bench-1"));
    }
    GammaLib::UserAccess::instance().setSessionKey(session);
    const QString text = essay(1250); // about 10,000 words
    int marks = 0;
    for (auto _ : state) {
        MainWnd window;
        window.setMessagePresenter([](const QString &, const QStringList &, bool *) { return 0; });
        window.resultStore().clear();
        window.show();
        window.editor()->setDocumentText(text);
        QElapsedTimer timer;
        timer.start();
        window.slotReview();
        while (window.isReviewRunning())
            QTest::qWait(5);
        state.SetIterationTime(timer.elapsed() / 1000.0);
        marks = int(window.liveMarks().size());
        window.slotResetWordCountLimit();
    }
    state.counters["marks"] = marks;
}
BENCHMARK(BM_ReviewToLastMark)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    AppSettings::settingConfig().setValue(QStringLiteral("user_guide"), QStringLiteral("False"));
    GammaLib::prepareSegmentation();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
