#ifndef GBKCODEC_H
#define GBKCODEC_H

#include <QByteArray>
#include <QString>

#include <vector>

namespace GammaLib {

// Converts text to GBK (code page 936), the working encoding of the sentence
// splitter and the word counter, whatever the local 8-bit encoding is. The
// mapping is taken once from the C library's "GBK" converter (iconv) into a
// table, so conversion is a read-only look-up, safe on any thread.
//
// Every ASCII character gives its own byte and every other UTF-16 code unit
// exactly two bytes, the first with the high bit set, so byte positions turn
// back into character positions exactly. A code unit GBK cannot represent
// (emoji and other surrogate pairs, Arabic, Hebrew, Hangul, most accented letters,
// the euro sign, which the converter gives as one byte) becomes the geta mark
// U+3013 (A1 FE): it is neither a sentence mark nor a closing character, so
// it never ends a sentence nor moves one.
class GbkCodec
{
public:
    static const GbkCodec &instance();

    QByteArray encode(const QString &text) const;
    // The two GBK bytes (first byte in the high half) of a non-ASCII code
    // unit, or 0 when GBK has no two-byte form for it.
    quint16 twoByteCode(char16_t unit) const { return m_table[unit]; }
    // False when the converter could not be opened; every non-ASCII code unit
    // then becomes the placeholder.
    bool isAvailable() const { return m_available; }

    static constexpr quint16 Placeholder = 0xA1FE;

private:
    GbkCodec();

    std::vector<quint16> m_table;
    bool m_available = false;
};

} // namespace GammaLib

#endif // GBKCODEC_H
