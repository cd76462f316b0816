#ifndef LANGUAGECHOICE_H
#define LANGUAGECHOICE_H

#include <QLocale>
#include <QString>
#include <QStringList>

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
// The application file is taken from the first of the folders that holds it
// (by default the program's own places, then the working folder).
// Returns the language in use.
QString install(ConfigFile &preferences, QLocale::Language system,
                QTranslator &application, QTranslator &toolkit,
                const QStringList &folders = QStringList());

} // namespace LanguageChoice

#endif
