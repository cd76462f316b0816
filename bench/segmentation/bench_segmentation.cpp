// Sentence splitting of a whole document and of one hostile paragraph, by the
// one-pass splitter and by the straightforward one (one scan per table entry).
//
//   build/bin/bench_segmentation
#include "gbkcodec.h"
#include "paragraphgenerator.h"
#include "referencesplitter.h"
#include "sentencesplitter.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// About 10000 words of ordinary prose in paragraphs of a few sentences, with
// the odd abbreviation, number, quotation, address and Chinese sentence.
QList<QByteArray> realisticDocument()
{
    static const QStringList words{
        u"the"_qs, u"of"_qs, u"and"_qs, u"to"_qs, u"a"_qs, u"in"_qs, u"that"_qs, u"is"_qs,
        u"was"_qs, u"he"_qs, u"for"_qs, u"it"_qs, u"with"_qs, u"as"_qs, u"his"_qs, u"on"_qs,
        u"be"_qs, u"at"_qs, u"by"_qs, u"had"_qs, u"this"_qs, u"not"_qs, u"but"_qs, u"from"_qs,
        u"have"_qs, u"they"_qs, u"which"_qs, u"one"_qs, u"you"_qs, u"were"_qs, u"her"_qs,
        u"all"_qs, u"she"_qs, u"there"_qs, u"would"_qs, u"their"_qs, u"we"_qs, u"him"_qs,
        u"been"_qs, u"has"_qs, u"when"_qs, u"who"_qs, u"will"_qs, u"more"_qs, u"writing"_qs,
        u"student"_qs, u"essay"_qs, u"teacher"_qs, u"important"_qs, u"language"_qs,
        u"however,"_qs, u"because"_qs, u"example"_qs, u"people"_qs, u"world"_qs};
    static const QStringList extras{
        u"Mr. Brown"_qs, u"e.g. this"_qs, u"3.5 percent"_qs, u"\"quoted words.\""_qs,
        u"(see above)"_qs, u"http://www.example.com/page.html"_qs, u"mail@example.org"_qs,
        u"No. 5"_qs, u"U.S. policy"_qs, u"etc."_qs, u"Dr. Lee"_qs};
    std::mt19937 random(42);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    const GammaLib::GbkCodec &codec = GammaLib::GbkCodec::instance();
    QList<QByteArray> paragraphs;
    int total = 0;
    while (total < 10000) {
        QString paragraph;
        const int sentences = 3 + below(6);
        for (int s = 0; s < sentences; ++s) {
            if (below(20) == 0) {
                paragraph += u"这是一个中文句子。"_qs;
                continue;
            }
            const int length = 8 + below(18);
            for (int w = 0; w < length; ++w) {
                QString word = below(25) == 0 ? extras.at(below(int(extras.size())))
                                              : words.at(below(int(words.size())));
                if (w == 0)
                    word[0] = word[0].toUpper();
                paragraph += word;
                paragraph += w + 1 < length ? u" "_qs : QString();
            }
            paragraph += QStringList{u". "_qs, u". "_qs, u". "_qs, u"? "_qs, u"! "_qs}.at(below(5));
            total += length;
        }
        paragraphs.append(codec.encode(paragraph.trimmed()));
    }
    return paragraphs;
}

// One paragraph of about 10000 words, all web and e-mail addresses, domain
// names and abbreviations.
QByteArray adversarialParagraph()
{
    ParagraphGenerator generator(7);
    return GammaLib::GbkCodec::instance().encode(generator.words(10000, true));
}

template <QList<int> (*Split)(const QByteArray &)>
void document(benchmark::State &state)
{
    GammaLib::prepareSegmentation();
    static const QList<QByteArray> paragraphs = realisticDocument();
    qint64 bytes = 0;
    for (const QByteArray &p : paragraphs)
        bytes += p.size();
    for (auto _ : state) {
        for (const QByteArray &p : paragraphs)
            benchmark::DoNotOptimize(Split(p));
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["paragraphs"] = double(paragraphs.size());
}

template <QList<int> (*Split)(const QByteArray &)>
void adversarial(benchmark::State &state)
{
    GammaLib::prepareSegmentation();
    static const QByteArray paragraph = adversarialParagraph();
    for (auto _ : state)
        benchmark::DoNotOptimize(Split(paragraph));
    state.SetBytesProcessed(state.iterations() * paragraph.size());
}

QList<int> onePass(const QByteArray &p) { return GammaLib::splitSentences(p); }
QList<int> reference(const QByteArray &p) { return Reference::splitSentences(p); }

} // namespace

BENCHMARK(document<onePass>)->Name("Document10000Words/OnePass")->Unit(benchmark::kMillisecond);
BENCHMARK(document<reference>)->Name("Document10000Words/Reference")->Unit(benchmark::kMillisecond);
BENCHMARK(adversarial<onePass>)->Name("AdversarialParagraph/OnePass")->Unit(benchmark::kMillisecond);
BENCHMARK(adversarial<reference>)->Name("AdversarialParagraph/Reference")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
