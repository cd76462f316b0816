#include "textdocumentfile.h"

#include "atomicfile.h"

#include <QFile>
#include <QStringDecoder>

namespace {

bool decodesCleanly(QStringDecoder &decoder, const QByteArray &bytes, QString *text)
{
    if (!decoder.isValid())
        return false;
    QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return false;
    *text = std::move(decoded);
    return true;
}

} // namespace

QString TextDocumentFile::decode(const QByteArray &bytes)
{
    if (const auto bom = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*bom); // skips the mark itself
        return decoder.decode(bytes);
    }
    QString text;
    // Stateless: a sequence cut off at the end of the file is an error too.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    if (decodesCleanly(utf8, bytes, &text))
        return text;
    QStringDecoder chinese("GB18030", QStringConverter::Flag::Stateless);
    if (decodesCleanly(chinese, bytes, &text))
        return text;
    QStringDecoder western("windows-1252", QStringConverter::Flag::Stateless);
    if (decodesCleanly(western, bytes, &text))
        return text;
    return QString::fromLatin1(bytes);
}

bool TextDocumentFile::read(const QString &path, QString *text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    *text = decode(bytes);
    return true;
}

bool TextDocumentFile::write(const QString &path, const QString &text)
{
    // Through a temporary file: a failed write leaves the old document whole.
    return AtomicFile::write(path, text.toUtf8());
}
