// The vocabulary data files: the forms file (forms, then the words never
// counted) and a levels file, read from any bytes.

#include "fuzzsupport.h"

#include "vocabularyformat.h"

#include <QDataStream>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QDataStream stream(bytes);
        VocabularyFormat::prepare(stream);
        const auto forms = VocabularyFormat::readForms(stream);
        const QStringList excluded = VocabularyFormat::readStringList(stream);
        Fuzz::require(qsizetype(forms.size()) <= qsizetype(size), "more forms than bytes");
        Fuzz::require(excluded.size() <= qsizetype(size), "more words than bytes");
    }
    {
        QDataStream stream(bytes);
        VocabularyFormat::prepare(stream);
        const auto levels = VocabularyFormat::readLevels(stream);
        Fuzz::require(qsizetype(levels.size()) <= qsizetype(size), "more levels than bytes");
    }
    return 0;
}
