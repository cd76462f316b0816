// The version service's answers: the latest version and the file list, each
// item checked as the updater checks it before touching the program folder.

#include "fuzzsupport.h"

#include "updateentry.h"
#include "versionhelper.h"

#include <QDir>

using namespace GammaLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString body = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList fields = VersionHelper::parseLatestVersion(body);
    VersionHelper::resetsSettings(fields);

    // A folder that does not exist: checking a target only looks.
    const QString folder = QDir::tempPath() + QStringLiteral("/quillet-fuzz-absent/program");
    QList<UpdateEntry> entries;
    for (const QString &item : VersionHelper::parseFileList(body)) {
        UpdateEntry entry;
        bool malformed = false;
        if (!UpdateEntry::parse(item, &entry, &malformed))
            continue;
        Fuzz::require(!malformed, "a malformed item accepted");
        Fuzz::require(entry.sha256.isEmpty() || entry.sha256.size() == 32, "a digest that is not SHA-256");
        entry.versionNumber();
        if (entry.checkTarget(folder)) {
            Fuzz::require(entry.target.startsWith(folder + QLatin1Char('/')), "a target outside the program folder");
            Fuzz::require(!entry.target.contains(QStringLiteral("/../")), "a target with a parent step");
        }
        entries.append(entry);
    }
    checkTargets(entries, folder);
    return 0;
}
