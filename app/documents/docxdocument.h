#ifndef DOCXDOCUMENT_H
#define DOCXDOCUMENT_H

#include <QByteArray>
#include <QString>

// The plain text of an Office Open XML word-processing document (.docx):
// paragraphs become lines, tabs and line breaks are kept, formatting is
// neither read nor written.
class DocxDocument
{
public:
    static bool readText(const QString &path, QString *text);
    static bool writeText(const QString &path, const QString &text);

    // The package's parts, for tests and for the converter of older files.
    static bool textFromPackage(const QByteArray &package, QString *text);
    static QByteArray packageFromText(const QString &text);

    // word/document.xml to text and back.
    static bool textFromDocumentXml(const QByteArray &xml, QString *text);
    static QByteArray documentXmlFromText(const QString &text);
};

#endif
