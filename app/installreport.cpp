#include "installreport.h"

#include "appicon.h"
#include "clientidentity.h"
#include "installpaths.h"
#include "languagechoice.h"
#include "vocabularydata.h"

#include <QDir>
#include <QTextStream>
#include <QTranslator>

namespace InstallReport {

int print(QTextStream &out)
{
    int missing = 0;
    const auto line = [&](const QString &what, const QString &path) {
        out << what << ' ' << (path.isEmpty() ? QStringLiteral("missing") : QDir::cleanPath(path)) << '\n';
        if (path.isEmpty())
            ++missing;
    };
    out << "version " << GammaLib::clientVersion() << '\n';
    line(QStringLiteral("program"), InstallPaths::programFolder());
    const QStringList dataFiles{VocabularyData::formsFileName(),
                                VocabularyData::levelsFileName(QStringLiteral("en")),
                                VocabularyData::levelsFileName(QStringLiteral("zh-CN"))};
    for (const QString &name : dataFiles)
        line(QStringLiteral("data ") + name, InstallPaths::dataFile(name));
    const QStringList codes{QStringLiteral("zh-CN"), QStringLiteral("es"), QStringLiteral("ja")};
    for (const QString &code : codes) {
        const QString file = LanguageChoice::applicationFile(code);
        const QString folder = InstallPaths::folderHolding(InstallPaths::translationFolders(), file);
        QTranslator translator;
        const bool loads = !folder.isEmpty() && translator.load(file, folder);
        line(QStringLiteral("translation ") + code, loads ? QDir(folder).filePath(file) : QString());
    }
    const QStringList icons = AppIcon::files();
    line(QStringLiteral("icon"), icons.isEmpty() ? QString() : icons.constLast());
    return missing == 0 ? 0 : 1;
}

} // namespace InstallReport
