#include "wordprocessorbridge.h"

#include "docxdocument.h"
#include "legacydocconverter.h"
#include "zipreader.h"

#include <QFile>

namespace {

const QByteArray CompoundFileSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

} // namespace

bool WordProcessorBridge::read(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(8);
    file.close();
    if (ZipReader::looksLikeZip(head))
        return DocxDocument::readText(path, text);
    if (head == CompoundFileSignature)
        return LegacyDocConverter::readText(path, text);
    return false;
}

bool WordProcessorBridge::write(const QString &path, const QString &text)
{
    if (path.endsWith(QLatin1String(".docx"), Qt::CaseInsensitive))
        return DocxDocument::writeText(path, text);
    return LegacyDocConverter::writeText(path, text);
}
