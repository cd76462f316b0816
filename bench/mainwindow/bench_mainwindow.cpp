// Label placement with many live marks (it runs on every scroll step), and
// whole reviews against the local services: Review -> last mark for a
// 10,000-word document of eight repeated sentences (the services answer most
// of it from their cache) and for 1,000 and 10,000 words of distinct
// learner-like sentences, new text on every run, as a real review sees it.
// A second review of the same text shows the cost of the window's store of
// results. QUILLET_BENCH_TEXT names a file of learner sentences, one a line, to use
// instead of the generated ones.
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
#include <QFile>
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

// Nouns of the CEFR-J vocabulary profile, to make every sentence different.
const QStringList &nouns()
{
    static QStringList out;
    if (out.isEmpty()) {
        QFile file(QStringLiteral(QUILLET_VOCABULARY_CSV));
        if (file.open(QIODevice::ReadOnly))
            for (const QByteArray &line : file.readAll().split('\n')) {
                const QList<QByteArray> f = line.split(',');
                if (f.size() > 1 && f[1] == "noun" && f[0].size() >= 4 && f[0].toLower() == f[0]
                    && !f[0].contains('/') && !f[0].contains(' '))
                    out << QString::fromLatin1(f[0]);
            }
        if (out.isEmpty())
            out << QStringLiteral("book") << QStringLiteral("river") << QStringLiteral("teacher");
    }
    return out;
}

// Sentences as learners write them (agreement, tense, prepositions,
// comparatives, misspellings), each with a different noun and every other one
// with letters swapped in a different word, so no two are the same.
QString learnerText(int words, int seed)
{
    static const char *const shapes[] = {
        "I think the %1 is very important for our life.",
        "Many people doesn't know how to use a %1 in the right way.",
        "Yesterday my friend go to the %1 with his family.",
        "She have a %1 and two small garden behind her house.",
        "In my opinion, a new %1 is more better than the old one.",
        "We discussed about the %1 for a long time after class.",
        "It is a %1 which make people feel happy and relaxed.",
        "There is many reasons why the %1 became so popular in my country.",
        "He was interesting in the %1 since he was a child.",
        "When I was young, I want to become an expert on the %1.",
        "Students should spend more time to learn about the %1 at school.",
        "The %1 in our town are not enough for all the people who live there.",
    };
    const int shapeCount = int(sizeof shapes / sizeof *shapes);
    QStringList out;
    QString fromFile;
    if (const QByteArray path = qgetenv("QUILLET_BENCH_TEXT"); !path.isEmpty()) {
        QFile file(QString::fromLocal8Bit(path));
        if (file.open(QIODevice::ReadOnly | QIODevice::Text))
            fromFile = QString::fromUtf8(file.readAll());
    }
    const QStringList lines = fromFile.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int count = 0;
    for (int i = 0; count < words; ++i) {
        QString s;
        if (!lines.isEmpty()) {
            s = lines.at((i + seed * 997) % lines.size()).simplified();
        } else {
            const QStringList &pool = nouns();
            s = QString::fromLatin1(shapes[i % shapeCount])
                    .arg(pool.at((i * 7919 + seed * 104729) % pool.size()));
            if (i % 2 == 0) {
                QStringList w = s.split(QLatin1Char(' '));
                const int k = 1 + (i / 2 + seed) % (w.size() - 2);
                if (w[k].size() > 4)
                    w[k] = w[k].left(1) + w[k].mid(2, 1) + w[k].mid(1, 1) + w[k].mid(3);
                s = w.join(QLatin1Char(' '));
            }
        }
        // A review takes at most 10,000 words: stay at or under the size asked.
        const int sentenceWords = int(s.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        if (count + sentenceWords > words)
            break;
        out << s;
        if (i % 6 == 5)
            out << QStringLiteral("\n");
        count += sentenceWords;
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

// The local services, started once and logged in; false when they can't be.
bool servicesUp()
{
    static LocalServices services;
    static QString session;
    if (session.isEmpty()) {
        if (!services.start())
            return false;
        services.pointServiceTableHere();
        session = services.registerAndLogIn(QStringLiteral("bench@example.com"), QStringLiteral("bench-1"));
        if (session.isEmpty())
            return false;
    }
    GammaLib::UserAccess::instance().setSessionKey(session);
    return true;
}

// Review -> last mark in a shown window, for the text in its editor; returns
// the seconds. The word budget is reset after, so the next review runs too.
double timedReview(MainWnd &window, const QString &text)
{
    window.editor()->setDocumentText(text);
    QElapsedTimer timer;
    timer.start();
    window.slotReview();
    while (window.isReviewRunning())
        QTest::qWait(1);
    const double seconds = timer.nsecsElapsed() / 1e9;
    window.slotResetWordCountLimit();
    return seconds;
}

// A shown window with an empty store of results and no message boxes.
void prepare(MainWnd &window)
{
    window.setMessagePresenter([](const QString &, const QStringList &, bool *) { return 0; });
    window.resultStore().clear();
    window.show();
}

// One review in a new window; returns the seconds and the marks made.
double reviewOnce(const QString &text, int *marks)
{
    MainWnd window;
    prepare(window);
    const double seconds = timedReview(window, text);
    *marks = int(window.liveMarks().size());
    return seconds;
}

void BM_ReviewToLastMark(benchmark::State &state)
{
    if (!servicesUp()) {
        state.SkipWithError("local services did not start");
        return;
    }
    const QString text = essay(1250); // about 10,000 words
    int marks = 0;
    for (auto _ : state)
        state.SetIterationTime(reviewOnce(text, &marks));
    state.counters["marks"] = marks;
}
BENCHMARK(BM_ReviewToLastMark)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Distinct learner sentences, new on every run (the services' cache can't
// answer them); one untimed review first so the services are warm.
void BM_ReviewLearnerText(benchmark::State &state)
{
    if (!servicesUp()) {
        state.SkipWithError("local services did not start");
        return;
    }
    static int seed = 1;
    int marks = 0;
    reviewOnce(learnerText(int(state.range(0)), seed++), &marks);
    for (auto _ : state)
        state.SetIterationTime(reviewOnce(learnerText(int(state.range(0)), seed++), &marks));
    state.counters["marks"] = marks;
}
BENCHMARK(BM_ReviewLearnerText)->Arg(1000)->Arg(10000)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// Review pressed again on the same new text, as after a few corrections: the
// sentences with findings come from the window's own store of results.
void BM_ReReviewLearnerText(benchmark::State &state)
{
    if (!servicesUp()) {
        state.SkipWithError("local services did not start");
        return;
    }
    static int seed = 1000;
    int marks = 0;
    for (auto _ : state) {
        const QString text = learnerText(int(state.range(0)), seed++);
        MainWnd window;
        prepare(window);
        timedReview(window, text);
        state.SetIterationTime(timedReview(window, text));
        marks = int(window.liveMarks().size());
        state.counters["stored"] = window.resultStore().size();
    }
    state.counters["marks"] = marks;
}
BENCHMARK(BM_ReReviewLearnerText)->Arg(1000)->Arg(10000)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

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
