#ifndef APPSETTINGS_H
#define APPSETTINGS_H

#include <QString>
#include <QStringList>

class ConfigFile;

// The program's two per-user settings stores, created on first use (start-up
// touches both before anything else) and completed with their defaults.
namespace AppSettings {

// "preference.ini": account, review preferences, proxy, language, recent files.
ConfigFile &preferenceConfig();
// The preference keys that hold secrets, kept in the keyring when there is one.
QStringList secretKeys();
// "setting.ini": window geometry, side panel and tutorial flags.
ConfigFile &settingConfig();

// Adds every default of the preference / setting table that has no entry yet.
void addPreferenceDefaults(ConfigFile &store);
void addSettingDefaults(ConfigFile &store);

// Installed version number from "ver.dat" in the given folder (the program's
// folder by default): "VersionId" as an integer, 0 when missing or not a number.
int installedVersion(const QString &programFolder = QString());
// "VersionId" of a version store already in memory (the settings dialog
// keeps one and sets it after an update): 0 when missing or not a number.
int versionOf(const ConfigFile &versionConfig);

inline bool isTrue(const QString &value) { return value == QLatin1String("True"); }
inline QString boolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

} // namespace AppSettings

#endif
