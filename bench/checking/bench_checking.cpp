// Throughput of the check request builder and the answer stream reader on a
// document of 10,000 words (600 sentences, three corrections each), beside
// zlib's own one-shot compress and uncompress of the same bytes.

#include "answerstreamreader.h"
#include "requestbody.h"

#include <benchmark/benchmark.h>

#include <zlib.h>

namespace {

const char *const Words[] = {"the", "students", "was", "going", "to", "library", "yesterday", "because",
                             "their", "teacher", "have", "asked", "them", "for", "reading", "more",
                             "books", "about", "history", "and", "science", "in", "a", "quiet", "room"};

CCheckRequest documentRequest()
{
    CCheckRequest request;
    request.session = "3f9c2b7e-5d41-4a8e-9b0c-6e2f1a7d8c90";
    int word = 0;
    for (int s = 0; s < 600; ++s) {
        QByteArray sentence;
        const int length = (s % 3 == 0) ? 18 : 16;   // 10,000 words in all (+- a few)
        for (int w = 0; w < length; ++w) {
            QByteArray next = Words[(word++ * 7 + s) % (sizeof Words / sizeof *Words)];
            if (w == 0)
                next[0] = char(next[0] - 32);
            sentence += (w ? " " : "") + next;
        }
        request.sents.append(sentence + '.');
        request.configs.append(s % 20 == 0 ? 1 : 0);
    }
    return request;
}

QByteArray recordJson(int index)
{
    QByteArray json = "{\"sentInd\":" + QByteArray::number(index) + ",\"corrections\":[";
    static const char *const types[] = {"GRAMMAR", "NONWORD", "STYLE"};
    for (int c = 0; c < 3; ++c) {
        if (c)
            json += ',';
        json += "{\"start\":" + QByteArray::number(c * 12) + ",\"end\":" + QByteArray::number(c * 12 + 7)
            + ",\"loc\":" + QByteArray::number(c) + ",\"errorInfo\":\"VBD\",\"explainType\":\"sv_agree\","
              "\"errorType\":\"" + types[c] + "\",\"featureKeys\":[\"subj=plural\",\"verb=was\"],"
              "\"candidates\":[{\"correction\":\"were\",\"score\":0.92,\"originalScore\":0.11,"
              "\"candidateType\":\"REPLACE\"},{\"correction\":\"are\",\"score\":0.41,"
              "\"originalScore\":0.11,\"candidateType\":\"REPLACE\"}]}";
    }
    return json + "]}";
}

QByteArray deflate(const QByteArray &text)
{
    uLongf size = compressBound(uLong(text.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress(reinterpret_cast<Bytef *>(out.data()), &size,
             reinterpret_cast<const Bytef *>(text.constData()), uLong(text.size()));
    out.truncate(qsizetype(size));
    return out;
}

struct Answer
{
    QList<QByteArray> texts;       // inflated records
    QList<QByteArray> compressed;  // each record deflated
    QByteArray stream;             // records with separators
    qsizetype inflatedBytes = 0;
};

const Answer &answer()
{
    static const Answer a = [] {
        Answer a;
        for (int i = 0; i < 600; ++i) {
            a.texts.append(recordJson(i));
            a.compressed.append(deflate(a.texts.last()));
            a.stream += a.compressed.last() + GammaLib::AnswerStreamReader::separator();
            a.inflatedBytes += a.texts.last().size();
        }
        return a;
    }();
    return a;
}

void BM_BuildRequestBody(benchmark::State &state)
{
    const CCheckRequest request = documentRequest();
    const qsizetype jsonBytes = requestJson(request).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(buildRequestBody(request));
    state.SetBytesProcessed(int64_t(state.iterations()) * jsonBytes);
}
BENCHMARK(BM_BuildRequestBody)->Unit(benchmark::kMillisecond);

void BM_RequestJsonOnly(benchmark::State &state)
{
    const CCheckRequest request = documentRequest();
    const qsizetype jsonBytes = requestJson(request).size();
    for (auto _ : state)
        benchmark::DoNotOptimize(requestJson(request));
    state.SetBytesProcessed(int64_t(state.iterations()) * jsonBytes);
}
BENCHMARK(BM_RequestJsonOnly)->Unit(benchmark::kMillisecond);

void BM_ZlibCompressRequest(benchmark::State &state)
{
    const QByteArray json = requestJson(documentRequest());
    for (auto _ : state)
        benchmark::DoNotOptimize(deflate(json));
    state.SetBytesProcessed(int64_t(state.iterations()) * json.size());
}
BENCHMARK(BM_ZlibCompressRequest)->Unit(benchmark::kMillisecond);

void BM_AnswerStreamReader(benchmark::State &state)
{
    const Answer &a = answer();
    const qsizetype piece = state.range(0);
    for (auto _ : state) {
        GammaLib::AnswerStreamReader reader;
        int records = 0;
        for (qsizetype from = 0; from < a.stream.size(); from += piece)
            reader.feed(a.stream.mid(from, piece), [&records](const CResultState &) { ++records; });
        if (records != 600)
            state.SkipWithError("records lost");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * a.inflatedBytes);
}
BENCHMARK(BM_AnswerStreamReader)->Arg(1460)->Arg(16384)->Unit(benchmark::kMillisecond);

void BM_ZlibUncompressRecords(benchmark::State &state)
{
    const Answer &a = answer();
    QByteArray out(64 * 1024, Qt::Uninitialized);
    for (auto _ : state) {
        for (const QByteArray &record : a.compressed) {
            uLongf size = uLongf(out.size());
            uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                       reinterpret_cast<const Bytef *>(record.constData()), uLong(record.size()));
            benchmark::DoNotOptimize(size);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * a.inflatedBytes);
}
BENCHMARK(BM_ZlibUncompressRecords)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
