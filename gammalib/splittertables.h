#ifndef SPLITTERTABLES_H
#define SPLITTERTABLES_H

#include <QByteArray>
#include <QList>

namespace GammaLib {

// The fixed tables of the sentence splitter and its byte classes. All patterns
// are GBK bytes, matched case-sensitively. The lists are built once (call
// prepare() at start-up, before any worker thread runs) and only read after.
class SplitterTables
{
public:
    static const QList<QByteArray> &abbreviations();  // 515 entries
    static const QList<QByteArray> &urlSchemes();     // 12 entries
    static const QList<QByteArray> &domainEndings();  // 24 entries
    static const QList<QByteArray> &emoticons();      // 14 entries
    // U+3002, U+FF01, U+2026 U+2026, U+FF1F, in that order.
    static const QList<QByteArray> &fullWidthMarks();

    static void prepare();

    static constexpr bool isAsciiLetter(unsigned char c)
    {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }
    static constexpr bool isAsciiDigit(unsigned char c) { return c >= '0' && c <= '9'; }
    static constexpr bool isAsciiAlnum(unsigned char c) { return isAsciiLetter(c) || isAsciiDigit(c); }
    static constexpr bool isLowerAscii(unsigned char c) { return c >= 'a' && c <= 'z'; }
    static constexpr bool isUpperAscii(unsigned char c) { return c >= 'A' && c <= 'Z'; }
    static constexpr bool isNonAscii(unsigned char c) { return c >= 0x80; }

    // Space, tab, line feed, carriage return, vertical tab, form feed.
    static constexpr bool isWhitespace(unsigned char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
    }
    // ".", "!" and "?".
    static constexpr bool isSentenceMark(unsigned char c) { return c == '.' || c == '!' || c == '?'; }
    // Characters that stay with a sentence end.
    static constexpr bool isClosing(unsigned char c)
    {
        return c == '.' || c == '?' || c == '!' || c == '"' || c == '\'' || c == ')' || c == ']'
            || c == '}';
    }
    // Characters a web address is made of.
    static constexpr bool isAddressChar(unsigned char c)
    {
        switch (c) {
        case '-': case '_': case '.': case '?': case '@': case ';': case ':': case '%':
        case '=': case '+': case '#': case '~': case '/': case '!':
            return true;
        default:
            return isAsciiAlnum(c);
        }
    }
    // Characters either side of the "@" of an e-mail address.
    static constexpr bool isMailChar(unsigned char c)
    {
        return isAsciiAlnum(c) || c == '-' || c == '_' || c == '.';
    }
};

} // namespace GammaLib

#endif // SPLITTERTABLES_H
