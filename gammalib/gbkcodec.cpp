#include "gbkcodec.h"

#include <iconv.h>

namespace GammaLib {

const GbkCodec &GbkCodec::instance()
{
    static const GbkCodec codec;
    return codec;
}

GbkCodec::GbkCodec()
    : m_table(0x10000, 0)
{
    iconv_t cd = iconv_open("GBK", "UTF-16LE");
    if (cd == iconv_t(-1))
        return;
    m_available = true;
    for (quint32 unit = 0x80; unit <= 0xFFFF; ++unit) {
        if (unit >= 0xD800 && unit <= 0xDFFF)
            continue; // half of a surrogate pair: never a GBK character
        char in[2] = {char(unit & 0xFF), char(unit >> 8)};
        char out[8];
        char *inPtr = in;
        char *outPtr = out;
        size_t inLeft = sizeof in;
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1))
            continue;
        if (outPtr - out != 2)
            continue;
        const auto lead = static_cast<unsigned char>(out[0]);
        const auto trail = static_cast<unsigned char>(out[1]);
        if (lead < 0x81 || lead == 0xFF || trail < 0x40 || trail == 0x7F || trail == 0xFF)
            continue;
        m_table[unit] = quint16(lead << 8 | trail);
    }
    iconv_close(cd);
}

QByteArray GbkCodec::encode(const QString &text) const
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar ch : text) {
        const char16_t unit = ch.unicode();
        if (unit < 0x80) {
            bytes.append(char(unit));
            continue;
        }
        quint16 code = m_table[unit];
        if (code == 0)
            code = Placeholder;
        bytes.append(char(code >> 8));
        bytes.append(char(code & 0xFF));
    }
    return bytes;
}

} // namespace GammaLib
