#include "vocabularydata.h"

#include "vocabularyformat.h"

#include "installpaths.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>

static bool isChinese(const QString &language)
{
    return language == QLatin1String("zh-CN");
}

QString VocabularyData::levelsFileName(const QString &language)
{
    return isChinese(language) ? QStringLiteral("cdzh-CN.dat") : QStringLiteral("cden.dat");
}

int VocabularyData::firstLevel(const QString &language)
{
    return isChinese(language) ? Base : A1;
}

VocabularyData::VocabularyData(const QString &language, const QString &folder)
{
    QString from = folder;
    if (from.isEmpty())
        from = InstallPaths::folderHolding(InstallPaths::dataFolders(), formsFileName());
    const QDir dir(from.isEmpty() ? InstallPaths::programFolder() : from);

    QFile forms(dir.filePath(formsFileName()));
    if (forms.open(QIODevice::ReadOnly)) {
        QDataStream stream(&forms);
        VocabularyFormat::prepare(stream);
        m_forms = VocabularyFormat::readForms(stream);
        m_excluded = VocabularyFormat::readStringList(stream);
    }
    for (const QString &word : std::as_const(m_excluded))
        m_excludedFolded.insert(word.toCaseFolded());

    QFile levels(dir.filePath(levelsFileName(language)));
    if (levels.open(QIODevice::ReadOnly)) {
        QDataStream stream(&levels);
        VocabularyFormat::prepare(stream);
        m_levels = VocabularyFormat::readLevels(stream);
    }
}

int VocabularyData::levelOf(const QString &word) const
{
    const auto own = m_levels.constFind(word);
    if (own != m_levels.constEnd() && *own >= 0)
        return *own;
    const auto forms = m_forms.constFind(word);
    if (forms == m_forms.constEnd())
        return NoLevel;
    for (const QString &form : *forms) {
        const auto level = m_levels.constFind(form);
        if (level != m_levels.constEnd() && *level >= 0)
            return *level;
    }
    return NoLevel;
}

bool VocabularyData::isExcluded(const QString &word) const
{
    return m_excludedFolded.contains(word.toCaseFolded());
}
