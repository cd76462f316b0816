// Paragraphs of any UTF-16 text through the GBK converter and the sentence
// splitter: the ends ascend and the last is the paragraph's last character.

#include "fuzzsupport.h"

#include "gbkcodec.h"
#include "sentencesplitter.h"

using namespace GammaLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool prepared = [] { prepareSegmentation(); return true; }();
    Q_UNUSED(prepared);

    // Two bytes a code unit, so every unit (lone surrogates too) can appear.
    QString paragraph;
    paragraph.reserve(qsizetype(size / 2));
    for (size_t i = 0; i + 1 < size; i += 2)
        paragraph.append(QChar(char16_t(data[i] | (data[i + 1] << 8))));

    const QByteArray gbk = GbkCodec::instance().encode(paragraph);
    qsizetype expected = 0;
    for (QChar c : std::as_const(paragraph))
        expected += c.unicode() < 0x80 ? 1 : 2;
    Fuzz::require(gbk.size() == expected, "one byte for ASCII, two for every other unit");

    const QList<int> ends = splitSentences(paragraph);
    if (paragraph.isEmpty()) {
        Fuzz::require(ends.isEmpty(), "sentences in an empty paragraph");
        return 0;
    }
    Fuzz::require(!ends.isEmpty(), "a paragraph without a sentence");
    Fuzz::require(ends.first() >= 0, "an end before the paragraph");
    for (qsizetype k = 1; k < ends.size(); ++k)
        Fuzz::require(ends.at(k) > ends.at(k - 1), "ends not ascending");
    Fuzz::require(ends.last() == paragraph.size() - 1, "the last end is not the last character");
    return 0;
}
