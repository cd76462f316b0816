// Word documents: the package (a ZIP archive) and its main part's XML.

#include "fuzzsupport.h"

#include "docxdocument.h"
#include "zipreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text;
    if (ZipReader::looksLikeZip(bytes)) {
        DocxDocument::textFromPackage(bytes, &text);
        ZipReader reader(bytes);
        QByteArray member;
        if (reader.read(QStringLiteral("[Content_Types].xml"), &member, 1 << 20))
            Fuzz::require(member.size() <= (1 << 20), "a member beyond the limit");
    } else {
        DocxDocument::textFromDocumentXml(bytes, &text);
    }
    return 0;
}
