// The settings file as found on disk: any bytes, any encoding.

#include "fuzzsupport.h"

#include "configfile.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QHash<QString, ConfigFile::Entry> entries;
    if (!ConfigFile::parse(bytes, &entries))
        return 0;
    // What was read is written back, and the written file reads again: a
    // store that writes what it cannot read would lose every preference.
    // An existing folder without the file: nothing is loaded, nothing saved.
    ConfigFile store(QDir::tempPath(), QStringLiteral("quillet-fuzz-never-written.ini"));
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        const QString &key = it.key();
        bool plain = !key.isEmpty() && key.at(0).isLetter() && key.at(0).unicode() < 128;
        for (QChar c : key)
            plain = plain && c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_'));
        if (plain)
            store.setEntry(key, it.value().value, it.value().defaultValue);
    }
    QHash<QString, ConfigFile::Entry> again;
    Fuzz::require(ConfigFile::parse(store.toXml(), &again), "the written file does not read again");
    for (auto it = store.entries().cbegin(); it != store.entries().cend(); ++it)
        Fuzz::require(again.contains(it.key()), "a key lost on the way back");
    return 0;
}
