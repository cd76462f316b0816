// A note's content (ENML, often not well-formed) to plain text.

#include "fuzzsupport.h"

#include "enml.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString content = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = GammaLib::Enml::toPlainText(content);
    // What the editor makes of it must go back into a note.
    const QString again = GammaLib::Enml::fromPlainText(text);
    Fuzz::require(again.startsWith(GammaLib::Enml::header()), "written content without its header");
    return 0;
}
