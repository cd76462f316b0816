#include "enml.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace GammaLib {
namespace Enml {

QString header()
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                          "<!DOCTYPE en-note SYSTEM \"http://xml.evernote.com/pub/enml2.dtd\">"
                          "<en-note>");
}

static bool allowedInXml(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD)
           || (c >= 0x10000 && c <= 0x10FFFF);
}

QString fromPlainText(const QString &text)
{
    const QString trimmed = text.trimmed();
    QString body;
    body.reserve(trimmed.size() + trimmed.size() / 8);
    const QList<uint> codePoints = trimmed.toUcs4();
    for (qsizetype i = 0; i < codePoints.size(); ++i) {
        const char32_t c = codePoints.at(i);
        switch (c) {
        case '\r':
            if (i + 1 < codePoints.size() && codePoints.at(i + 1) == '\n')
                ++i;
            Q_FALLTHROUGH();
        case '\n':
        case 0x2028:
        case 0x2029:
            body += QStringLiteral("<br />");
            break;
        case '&':
            body += QStringLiteral("&amp;");
            break;
        case '<':
            body += QStringLiteral("&lt;");
            break;
        case '>':
            body += QStringLiteral("&gt;");
            break;
        default:
            if (allowedInXml(c))
                body += QString::fromUcs4(&c, 1);
            break;
        }
    }
    return header() + body + QStringLiteral("</en-note>");
}

namespace {

const QHash<QString, QString> &namedReferences()
{
    static const QHash<QString, QString> table = {
        {QStringLiteral("nbsp"), QString(QChar(0x00A0))},       {QStringLiteral("amp"), QStringLiteral("&")},
        {QStringLiteral("lt"), QStringLiteral("<")},         {QStringLiteral("gt"), QStringLiteral(">")},
        {QStringLiteral("quot"), QStringLiteral("\"")},      {QStringLiteral("apos"), QStringLiteral("'")},
        {QStringLiteral("mdash"), QString(QChar(0x2014))},  {QStringLiteral("ndash"), QString(QChar(0x2013))},
        {QStringLiteral("hellip"), QString(QChar(0x2026))}, {QStringLiteral("lsquo"), QString(QChar(0x2018))},
        {QStringLiteral("rsquo"), QString(QChar(0x2019))},  {QStringLiteral("ldquo"), QString(QChar(0x201C))},
        {QStringLiteral("rdquo"), QString(QChar(0x201D))},  {QStringLiteral("copy"), QString(QChar(0x00A9))},
        {QStringLiteral("reg"), QString(QChar(0x00AE))},    {QStringLiteral("trade"), QString(QChar(0x2122))},
        {QStringLiteral("euro"), QString(QChar(0x20AC))},   {QStringLiteral("pound"), QString(QChar(0x00A3))},
        {QStringLiteral("yen"), QString(QChar(0x00A5))},    {QStringLiteral("bull"), QString(QChar(0x2022))},
        {QStringLiteral("middot"), QString(QChar(0x00B7))}, {QStringLiteral("laquo"), QString(QChar(0x00AB))},
        {QStringLiteral("raquo"), QString(QChar(0x00BB))},  {QStringLiteral("deg"), QString(QChar(0x00B0))},
        {QStringLiteral("times"), QString(QChar(0x00D7))},  {QStringLiteral("shy"), QString()},
    };
    return table;
}

bool isBlock(const QString &name)
{
    static const QSet<QString> blocks = {
        QStringLiteral("en-note"), QStringLiteral("div"),   QStringLiteral("p"),     QStringLiteral("li"),
        QStringLiteral("ul"),      QStringLiteral("ol"),    QStringLiteral("dl"),    QStringLiteral("dt"),
        QStringLiteral("dd"),      QStringLiteral("h1"),    QStringLiteral("h2"),    QStringLiteral("h3"),
        QStringLiteral("h4"),      QStringLiteral("h5"),    QStringLiteral("h6"),    QStringLiteral("table"),
        QStringLiteral("tr"),      QStringLiteral("td"),    QStringLiteral("th"),    QStringLiteral("blockquote"),
        QStringLiteral("pre"),     QStringLiteral("hr"),    QStringLiteral("address"), QStringLiteral("center"),
        QStringLiteral("caption"), QStringLiteral("thead"), QStringLiteral("tbody"), QStringLiteral("tfoot"),
    };
    return blocks.contains(name);
}

// Collects text the way a browser lays it out, one line per block.
class TextCollector
{
public:
    void text(const QString &chunk, bool preformatted)
    {
        for (const QChar c : chunk) {
            if (preformatted) {
                if (c == QLatin1Char('\n')) {
                    lineBreak();
                } else if (c != QLatin1Char('\r')) {
                    put(c);
                }
            } else if (c.isSpace() && c != QChar(0x00A0)) {
                m_pendingSpace = true;
            } else {
                if (m_pendingSpace && !m_atLineStart)
                    put(QLatin1Char(' '));
                put(c == QChar(0x00A0) ? QLatin1Char(' ') : c);
            }
        }
    }
    void blockBoundary()
    {
        if (!m_atLineStart)
            m_needNewline = true;
        m_pendingSpace = false;
    }
    void lineBreak()
    {
        flushNewline();
        m_out += QLatin1Char('\n');
        m_atLineStart = true;
        m_pendingSpace = false;
    }
    QString result() const
    {
        QString out = m_out;
        while (out.endsWith(QLatin1Char('\n')))
            out.chop(1);
        return out;
    }

private:
    void flushNewline()
    {
        if (m_needNewline) {
            m_out += QLatin1Char('\n');
            m_needNewline = false;
            m_atLineStart = true;
        }
    }
    void put(QChar c)
    {
        flushNewline();
        m_out += c;
        m_atLineStart = false;
        m_pendingSpace = false;
    }

    QString m_out;
    bool m_atLineStart = true;
    bool m_needNewline = false;
    bool m_pendingSpace = false;
};

QString decodeReferences(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&')) {
            const qsizetype end = text.indexOf(QLatin1Char(';'), i + 1);
            if (end > i + 1 && end - i <= 12) {
                const QString name = text.mid(i + 1, end - i - 1);
                bool ok = false;
                uint code = 0;
                if (name.startsWith(QLatin1String("#x")) || name.startsWith(QLatin1String("#X")))
                    code = name.mid(2).toUInt(&ok, 16);
                else if (name.startsWith(QLatin1Char('#')))
                    code = name.mid(1).toUInt(&ok, 10);
                if (ok && allowedInXml(code)) {
                    const char32_t c = code;
                    out += QString::fromUcs4(&c, 1);
                    i = end;
                    continue;
                }
                const auto known = namedReferences().constFind(name);
                if (known != namedReferences().constEnd()) {
                    out += *known;
                    i = end;
                    continue;
                }
            }
        }
        out += text.at(i);
    }
    return out;
}

// For content that is not well-formed: drops the tags (ending lines at block
// tags and breaks), keeps everything else.
QString strippedText(const QString &enml)
{
    TextCollector collector;
    QString pending;
    bool skipping = false;
    qsizetype i = 0;
    QString content = enml;
    const qsizetype start = content.indexOf(QLatin1String("<en-note"));
    if (start >= 0)
        i = start;
    while (i < content.size()) {
        const QChar c = content.at(i);
        const qsizetype close = c == QLatin1Char('<') ? content.indexOf(QLatin1Char('>'), i + 1) : -1;
        const bool tagLike = close > i + 1
                             && (content.at(i + 1).isLetter() || content.at(i + 1) == QLatin1Char('/')
                                 || content.at(i + 1) == QLatin1Char('!') || content.at(i + 1) == QLatin1Char('?'));
        if (!tagLike) {
            pending += c;
            ++i;
            continue;
        }
        if (!skipping)
            collector.text(decodeReferences(pending), false);
        pending.clear();
        QString tag = content.mid(i + 1, close - i - 1).trimmed();
        const bool closing = tag.startsWith(QLatin1Char('/'));
        if (closing)
            tag.remove(0, 1);
        const QString name = tag.section(QRegularExpression(QStringLiteral("[\\s/]")), 0, 0).toLower();
        if (name == QLatin1String("en-crypt"))
            skipping = !closing;
        else if (name == QLatin1String("br"))
            collector.lineBreak();
        else if (isBlock(name))
            collector.blockBoundary();
        i = close + 1;
    }
    if (!skipping)
        collector.text(decodeReferences(pending), false);
    return collector.result();
}

} // namespace

QString toPlainText(const QString &enml)
{
    QXmlStreamReader reader(enml);
    TextCollector collector;
    int preformatted = 0;
    int skipped = 0; // inside en-media or en-crypt
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = reader.name().toString().toLower();
            if (name == QLatin1String("en-crypt") || name == QLatin1String("en-media")
                || name == QLatin1String("script") || name == QLatin1String("style")) {
                ++skipped;
            } else if (name == QLatin1String("br")) {
                if (!skipped)
                    collector.lineBreak();
            } else if (isBlock(name)) {
                collector.blockBoundary();
                if (name == QLatin1String("pre"))
                    ++preformatted;
            }
            break;
        }
        case QXmlStreamReader::EndElement: {
            const QString name = reader.name().toString().toLower();
            if (name == QLatin1String("en-crypt") || name == QLatin1String("en-media")
                || name == QLatin1String("script") || name == QLatin1String("style")) {
                --skipped;
            } else if (isBlock(name)) {
                collector.blockBoundary();
                if (name == QLatin1String("pre"))
                    --preformatted;
            }
            break;
        }
        case QXmlStreamReader::Characters:
            if (!skipped)
                collector.text(reader.text().toString(), preformatted > 0);
            break;
        case QXmlStreamReader::EntityReference:
            if (!skipped)
                collector.text(namedReferences().value(reader.name().toString()), preformatted > 0);
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return strippedText(enml);
    return collector.result();
}

} // namespace Enml
} // namespace GammaLib
