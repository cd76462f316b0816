// The checking service's answer: one record as JSON text, the same bytes
// arriving raw on the stream in pieces of changing size, and the text cut at
// every separator into records that are compressed and sent as a real answer.

#include "fuzzsupport.h"

#include "answerstreamreader.h"
#include "resultrecord.h"

#include <zlib.h>

using GammaLib::AnswerStreamReader;

static QByteArray compressed(const QByteArray &text)
{
    uLongf size = compressBound(uLong(text.size()));
    QByteArray out(int(size), Qt::Uninitialized);
    if (compress(reinterpret_cast<Bytef *>(out.data()), &size,
                 reinterpret_cast<const Bytef *>(text.constData()), uLong(text.size())) != Z_OK)
        return QByteArray();
    out.resize(int(size));
    return out;
}

static void feedInPieces(AnswerStreamReader &reader, const QByteArray &stream, unsigned seed)
{
    qsizetype at = 0;
    unsigned step = seed;
    int delivered = 0;
    while (at < stream.size()) {
        step = step * 1103515245u + 12345u;
        const qsizetype piece = qsizetype(1 + (step >> 16) % 37);
        reader.feed(stream.mid(at, piece), [&](const CResultState &state) {
            ++delivered;
            Fuzz::require(state.corrections.size() >= 0, "negative correction count");
        });
        at += piece;
    }
    Fuzz::require(reader.pending().size() <= AnswerStreamReader::MaxPendingSize, "pending bytes beyond the bound");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QString error;
    const auto record = parseResultRecord(bytes, &error);
    Fuzz::require(record.has_value() || !error.isEmpty(), "a refused record without a reason");

    QByteArray text;
    AnswerStreamReader::inflateRecord(bytes, &text);

    AnswerStreamReader raw;
    feedInPieces(raw, bytes, unsigned(size));

    QByteArray stream;
    const QByteArray separator = AnswerStreamReader::separator();
    for (const QByteArray &part : bytes.split('\n')) {
        stream += compressed(part);
        stream += separator;
    }
    AnswerStreamReader reader;
    feedInPieces(reader, stream, 7u);
    return 0;
}
