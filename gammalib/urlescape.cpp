#include "urlescape.h"

#include <cstring>

namespace GammaLib {

QByteArray urlEscape(const QByteArray &text)
{
    // None of the escapes contains a character of this set other than "%",
    // so one pass gives the same text as replacing the characters one after
    // the other, starting with "%".
    static const char escaped[] = "% <>#{}|\\^~[]`;/?:@=&$";
    static const char hex[] = "0123456789ABCDEF";
    QByteArray result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != '\0' && std::strchr(escaped, c)) {
            const auto byte = static_cast<unsigned char>(c);
            result += '%';
            result += hex[byte >> 4];
            result += hex[byte & 0x0F];
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace GammaLib
