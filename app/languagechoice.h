#ifndef LANGUAGECHOICE_H
#define LANGUAGECHOICE_H

#include <QLocale>
#include <QString>

class ConfigFile;
class QCoreApplication;
class QTranslator;

// Interface language: the stored choice, else the system language, else English.
namespace LanguageChoice {

// "zh-CN", "es", "ja", or "" for English.
QString choose(const QString &stored, QLocale::Language system);

// Application translation file name for a code ("quillet_es.qm").
QString applicationFile(const QString &code);
// Toolkit translation file name for a code ("qt_es.qm").
QString toolkitFile(const QString &code);


// Start-up steps 4 to 6: reads and resets "language" in memory, loads and
// installs the two translators, and switches the Chinese service addresses.
// Returns the language in use.
QString install(ConfigFile &preferences, QLocale::Language system,
                QTranslator &application, QTranslator &toolkit);

} // namespace LanguageChoice

#endif
