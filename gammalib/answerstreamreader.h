#ifndef ANSWERSTREAMREADER_H
#define ANSWERSTREAMREADER_H

#include "cresultstate.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

namespace GammaLib {

// Reads the checking service's streamed answer: zlib-compressed JSON records,
// each followed by the separator 64 1A 1B, arriving in pieces of any size; or
// the single word "unauthorized" when the session key was refused.
class AnswerStreamReader
{
public:
    using Deliver = std::function<void(const CResultState &)>;

    // Largest inflated record accepted; anything bigger is refused as damaged.
    static constexpr int MaxRecordSize = 16 * 1024 * 1024;
    // Longest compressed record that can still inflate within MaxRecordSize
    // (deflate adds a few bytes per block at most). Bytes beyond it without a
    // separator are dropped up to the next separator instead of being kept.
    static constexpr int MaxPendingSize = MaxRecordSize + MaxRecordSize / 256 + 64;

    static QByteArray separator() { return QByteArrayLiteral("\x64\x1a\x1b"); }

    // Forgets pending bytes, the refusal and the errors: call before a request.
    void reset();

    // Takes the next piece of the answer and delivers every record completed
    // by it, in order, as soon as it is read. Damaged records are skipped;
    // their reasons are kept in errors().
    void feed(const QByteArray &bytes, const Deliver &deliver);
    QList<CResultState> feed(const QByteArray &bytes);

    bool unauthorized() const { return m_unauthorized; }
    const QByteArray &pending() const { return m_pending; }
    // Reasons of the records skipped since the last reset, each beginning
    // "Error: " or with the JSON library's message for a wrong member type.
    const QStringList &errors() const { return m_errors; }

    // Inflates one record (a zlib stream). The text ends at the first zero
    // byte of the output. Fails on damaged data and on output larger than
    // MaxRecordSize.
    static bool inflateRecord(const QByteArray &record, QByteArray *text);

private:
    void readRecord(const char *data, qsizetype size, const Deliver &deliver);

    QByteArray m_pending;
    bool m_unauthorized = false;
    bool m_discarding = false;   // inside a record too long to be read
    QStringList m_errors;
};

} // namespace GammaLib

#endif
