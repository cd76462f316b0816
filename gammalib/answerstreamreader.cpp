#include "answerstreamreader.h"

#include "resultrecord.h"

#include <zlib.h>

#include <cstring>

namespace GammaLib {

static const char UncompressError[] = "Error: Some error happens when uncompressing.";

void AnswerStreamReader::reset()
{
    m_pending.clear();
    m_unauthorized = false;
    m_discarding = false;
    m_errors.clear();
}

QList<CResultState> AnswerStreamReader::feed(const QByteArray &bytes)
{
    QList<CResultState> states;
    feed(bytes, [&states](const CResultState &state) { states.append(state); });
    return states;
}

void AnswerStreamReader::feed(const QByteArray &bytes, const Deliver &deliver)
{
    static const QByteArray mark = separator();
    // The pending bytes hold no separator: one can only begin in their last
    // two bytes or in the new ones, so a long record arriving in many pieces
    // is neither copied nor searched again piece after piece.
    const qsizetype searched = qMax<qsizetype>(0, m_pending.size() - (mark.size() - 1));
    QByteArray buffer;
    buffer.swap(m_pending);
    buffer.append(bytes);

    if (!m_discarding && buffer == "unauthorized") {
        m_unauthorized = true;
        return;
    }

    qsizetype from = 0;
    if (m_discarding) {
        const qsizetype at = buffer.indexOf(mark, searched);
        if (at < 0) {
            // Keep only what may be the first bytes of a separator cut in two.
            m_pending = buffer.right(mark.size() - 1);
            return;
        }
        m_discarding = false;
        from = at + mark.size();
    }
    while (from < buffer.size()) {
        const qsizetype at = buffer.indexOf(mark, qMax(from, searched));
        if (at < 0) {
            if (buffer.size() - from > MaxPendingSize) {
                // This record could never be inflated within the bound:
                // skip it rather than hold on to all of it.
                m_errors.append(QString::fromLatin1(UncompressError));
                m_discarding = true;
                m_pending = buffer.right(mark.size() - 1);
            } else {
                m_pending = from == 0 ? buffer : buffer.mid(from);
            }
            return;
        }
        if (at == from) {
            // A separator with no record before it: nothing to read, and
            // waiting for more bytes would stall the rest of the answer.
            m_errors.append(QString::fromLatin1(UncompressError));
            from = at + mark.size();
            continue;
        }
        readRecord(buffer.constData() + from, at - from, deliver);
        from = at + mark.size();
    }
}

void AnswerStreamReader::readRecord(const char *data, qsizetype size, const Deliver &deliver)
{
    QByteArray text;
    if (!inflateRecord(QByteArray::fromRawData(data, size), &text)) {
        m_errors.append(QString::fromLatin1(UncompressError));
        return;
    }
    QString error;
    const std::optional<CResultState> state = parseResultRecord(text, &error);
    if (!state) {
        m_errors.append(error);
        return;
    }
    deliver(*state);
}

bool AnswerStreamReader::inflateRecord(const QByteArray &record, QByteArray *text)
{
    z_stream stream;
    std::memset(&stream, 0, sizeof stream);
    if (inflateInit(&stream) != Z_OK)
        return false;

    QByteArray out;
    qsizetype capacity = qMin<qsizetype>(qMax<qsizetype>(4096, record.size() * 4), MaxRecordSize);
    out.resize(capacity);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(record.constData()));
    stream.avail_in = uInt(record.size());
    qsizetype produced = 0;
    int result = Z_OK;
    while (true) {
        stream.next_out = reinterpret_cast<Bytef *>(out.data() + produced);
        stream.avail_out = uInt(capacity - produced);
        result = inflate(&stream, Z_NO_FLUSH);
        produced = capacity - stream.avail_out;
        if (result == Z_STREAM_END)
            break;
        if (result != Z_OK && result != Z_BUF_ERROR)
            break;
        if (stream.avail_out != 0) {
            // All input used and the stream is not complete: cut short.
            result = Z_DATA_ERROR;
            break;
        }
        if (capacity >= MaxRecordSize) {
            result = Z_MEM_ERROR;
            break;
        }
        capacity = qMin<qsizetype>(capacity * 2, MaxRecordSize);
        out.resize(capacity);
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END)
        return false;

    const void *zero = std::memchr(out.constData(), 0, size_t(produced));
    out.truncate(zero ? static_cast<const char *>(zero) - out.constData() : produced);
    *text = out;
    return true;
}

} // namespace GammaLib
