#ifndef VOCABULARYDATA_H
#define VOCABULARYDATA_H

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

// Vocabulary levels of English words, read from the data files installed
// beside the program:
//   "voc.dat"      word forms (inflected form -> base forms), then the words
//                  that are never counted;
//   "cden.dat"     word -> CEFR level code 6 (A1) .. 11 (C2);
//   "cdzh-CN.dat"  word -> Chinese exam level code 0 (BASE) .. 5 (GRE),
//                  used when the interface language is "zh-CN".
// Missing or damaged files are not reported: every word then has no level.
class VocabularyData
{
public:
    enum Level {
        NoLevel = -1,
        Base = 0, Cet4 = 1, Cet6 = 2, Ielts = 3, Toefl = 4, Gre = 5,
        A1 = 6, A2 = 7, B1 = 8, B2 = 9, C1 = 10, C2 = 11,
    };

    // Loads the files for the interface language from folder, by default the
    // first of the program's data folders that holds them (InstallPaths).
    explicit VocabularyData(const QString &language, const QString &folder = QString());

    // The level code of word (case-sensitive), trying its listed forms in order
    // when the word itself has none; -1 when there is no level.
    int levelOf(const QString &word) const;
    // True when word is in the exclusion list, regardless of letter case.
    bool isExcluded(const QString &word) const;

    // The six level codes in use for a language, lowest first.
    static int firstLevel(const QString &language);

    static QString formsFileName() { return QStringLiteral("voc.dat"); }
    static QString levelsFileName(const QString &language);

    int formCount() const { return int(m_forms.size()); }
    int levelCount() const { return int(m_levels.size()); }
    int excludedCount() const { return int(m_excluded.size()); }

private:
    QHash<QString, QStringList> m_forms;
    QHash<QString, qint32> m_levels;
    QStringList m_excluded;
    QSet<QString> m_excludedFolded;
};

#endif
