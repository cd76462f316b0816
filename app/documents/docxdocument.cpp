#include "docxdocument.h"

#include "atomicfile.h"
#include "zipreader.h"
#include "zipwriter.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString WordNamespace = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString MainPart = QStringLiteral("word/document.xml");
constexpr qint64 MaxPackageSize = 512 * 1024 * 1024;

// The main part named by the package relationships; the usual name otherwise.
QString mainPartName(const ZipReader &zip)
{
    QByteArray rels;
    if (!zip.read(QStringLiteral("_rels/.rels"), &rels, 4 * 1024 * 1024))
        return MainPart;
    QXmlStreamReader xml(rels);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("Relationship")
            && xml.attributes().value(QLatin1String("Type")).endsWith(QLatin1String("/officeDocument"))) {
            QString target = xml.attributes().value(QLatin1String("Target")).toString();
            while (target.startsWith(QLatin1Char('/')))
                target.remove(0, 1);
            return target.isEmpty() ? MainPart : target;
        }
    }
    return MainPart;
}

} // namespace

bool DocxDocument::textFromDocumentXml(const QByteArray &bytes, QString *text)
{
    QXmlStreamReader xml(bytes);
    QString out;
    bool inBody = false;
    bool paragraphOpen = false;
    int skippedDepth = 0; // inside deleted text or other parts that are not shown
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.namespaceUri() != WordNamespace) {
                if (skippedDepth)
                    ++skippedDepth;
                continue;
            }
            const QStringView name = xml.name();
            if (skippedDepth) {
                ++skippedDepth;
                continue;
            }
            if (name == QLatin1String("body")) {
                inBody = true;
            } else if (!inBody) {
                continue;
            } else if (name == QLatin1String("del") || name == QLatin1String("delText")
                       || name == QLatin1String("instrText")) {
                skippedDepth = 1;
            } else if (name == QLatin1String("p")) {
                if (paragraphOpen)
                    out += QLatin1Char('\n'); // a paragraph inside a paragraph (text box)
                paragraphOpen = true;
            } else if (name == QLatin1String("t")) {
                out += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (name == QLatin1String("tab")) {
                out += QLatin1Char('\t');
            } else if (name == QLatin1String("br") || name == QLatin1String("cr")) {
                out += QLatin1Char('\n');
            } else if (name == QLatin1String("noBreakHyphen")) {
                out += QLatin1Char('-');
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (skippedDepth) {
                --skippedDepth;
                continue;
            }
            if (xml.namespaceUri() != WordNamespace)
                continue;
            if (xml.name() == QLatin1String("p") && inBody) {
                out += QLatin1Char('\n');
                paragraphOpen = false;
            } else if (xml.name() == QLatin1String("body")) {
                inBody = false;
            }
        }
    }
    if (xml.hasError())
        return false;
    if (out.endsWith(QLatin1Char('\n')))
        out.chop(1); // no line after the last paragraph
    *text = out;
    return true;
}

QByteArray DocxDocument::documentXmlFromText(const QString &text)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeNamespace(WordNamespace, QStringLiteral("w"));
    xml.writeStartElement(WordNamespace, QStringLiteral("document"));
    xml.writeStartElement(WordNamespace, QStringLiteral("body"));
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    normalised.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    normalised.replace(QChar::LineSeparator, QLatin1Char('\n'));
    const QStringList paragraphs = normalised.split(QLatin1Char('\n'));
    for (const QString &paragraph : paragraphs) {
        xml.writeStartElement(WordNamespace, QStringLiteral("p"));
        const QStringList runs = paragraph.split(QLatin1Char('\t'));
        if (!paragraph.isEmpty()) {
            xml.writeStartElement(WordNamespace, QStringLiteral("r"));
            for (int i = 0; i < runs.size(); ++i) {
                if (i > 0)
                    xml.writeEmptyElement(WordNamespace, QStringLiteral("tab"));
                if (runs.at(i).isEmpty())
                    continue;
                // Characters XML cannot carry (control characters) are left out.
                QString clean;
                clean.reserve(runs.at(i).size());
                for (const QChar c : runs.at(i)) {
                    if (c.unicode() >= 0x20 || c == QLatin1Char('\t'))
                        clean += c;
                }
                xml.writeStartElement(WordNamespace, QStringLiteral("t"));
                xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
                xml.writeCharacters(clean);
                xml.writeEndElement();
            }
            xml.writeEndElement(); // r
        }
        xml.writeEndElement(); // p
    }
    xml.writeEndElement(); // body
    xml.writeEndElement(); // document
    xml.writeEndDocument();
    return bytes;
}

bool DocxDocument::textFromPackage(const QByteArray &package, QString *text)
{
    ZipReader zip(package);
    QByteArray xml;
    if (!zip.read(mainPartName(zip), &xml))
        return false;
    return textFromDocumentXml(xml, text);
}

QByteArray DocxDocument::packageFromText(const QString &text)
{
    ZipWriter zip;
    zip.add(QStringLiteral("[Content_Types].xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
            "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
            "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
            "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
            "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
            "</Types>");
    zip.add(QStringLiteral("_rels/.rels"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
            "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
            "relationships/officeDocument\" Target=\"word/document.xml\"/>"
            "</Relationships>");
    zip.add(MainPart, documentXmlFromText(text));
    return zip.finish();
}

bool DocxDocument::readText(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxPackageSize)
        return false;
    return textFromPackage(file.readAll(), text);
}

bool DocxDocument::writeText(const QString &path, const QString &text)
{
    return AtomicFile::write(path, packageFromText(text));
}
