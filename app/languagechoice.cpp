#include "languagechoice.h"

#include "configfile.h"
#include "currentlanguage.h"
#include "installpaths.h"
#include "preferences.h"
#include "serviceaddresses.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace LanguageChoice {

QString choose(const QString &stored, QLocale::Language system)
{
    if ((system == QLocale::Chinese && stored.isEmpty()) || stored == QLatin1String("zh-CN"))
        return QStringLiteral("zh-CN");
    if ((system == QLocale::Spanish && stored.isEmpty()) || stored == QLatin1String("es"))
        return QStringLiteral("es");
    if ((system == QLocale::Japanese && stored.isEmpty()) || stored == QLatin1String("ja"))
        return QStringLiteral("ja");
    return QString();
}

QString applicationFile(const QString &code)
{
    return QStringLiteral("quillet_%1.qm").arg(code);
}

QString toolkitFile(const QString &code)
{
    QString name = code;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return QStringLiteral("qt_%1.qm").arg(name);
}

QString install(ConfigFile &preferences, QLocale::Language system,
                QTranslator &application, QTranslator &toolkit, const QStringList &folders)
{
    Preferences store(preferences);
    const QString stored = store.language();
    store.setLanguage(QStringLiteral("en"));

    const QString code = choose(stored, system);
    if (code.isEmpty())
        return GammaLib::currentLanguage();
    const QStringList places = folders.isEmpty() ? InstallPaths::translationFolders() : folders;
    const QString folder = InstallPaths::folderHolding(places, applicationFile(code));
    if (folder.isEmpty() || !application.load(applicationFile(code), folder))
        return GammaLib::currentLanguage();
    // The toolkit's own file, beside ours or in the toolkit's folder; without
    // it the dialogs' standard buttons stay in English.
    if (toolkit.load(toolkitFile(code), folder)
        || toolkit.load(toolkitFile(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&toolkit);
    QCoreApplication::installTranslator(&application);
    GammaLib::currentLanguage() = code;
    store.setLanguage(code);
    if (code == QLatin1String("zh-CN"))
        GammaLib::ServiceAddresses::instance().useChineseAddresses();
    return code;
}

} // namespace LanguageChoice
