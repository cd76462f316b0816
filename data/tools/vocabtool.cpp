// Builds the vocabulary files "voc.dat", "cden.dat" and "cdzh-CN.dat" from the
// word lists in data/vocabulary (see data/vocabulary/NOTES.md).
//
//   quillet-vocabtool <list folder> <output folder>

#include "vocabularyformat.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMap>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

QStringList readLines(const QString &path, bool *ok)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "quillet-vocabtool: cannot read %s\n", qPrintable(path));
        *ok = false;
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text.split(QLatin1Char('\n'));
}

// A headword as the level tables keep it: letters (any script's upper- or
// lower-case letters), with hyphens, apostrophes and inner full stops.
bool isHeadword(const QString &word)
{
    if (word.isEmpty() || !(word.at(0).isLower() || word.at(0).isUpper()))
        return false;
    for (const QChar c : word) {
        if (c.isLower() || c.isUpper() || c == QLatin1Char('-') || c == QLatin1Char('\'')
            || c == QLatin1Char('.'))
            continue;
        return false;
    }
    // "a.m." is a word, "v." (a part-of-speech mark) is not.
    if (word.endsWith(QLatin1Char('.')) && word.count(QLatin1Char('.')) < 2)
        return false;
    return true;
}

// "toward(s)" stands for "toward" and "towards"; "offence(offense)" for the two
// spellings.
QStringList expandHeadword(QString token)
{
    const int bracket = token.indexOf(QLatin1Char('['));
    if (bracket >= 0)
        token.truncate(bracket);
    const int open = token.indexOf(QLatin1Char('('));
    const int close = token.indexOf(QLatin1Char(')'));
    QStringList words;
    if (open > 0 && close > open) {
        const QString base = token.left(open);
        const QString inner = token.mid(open + 1, close - open - 1);
        words << base;
        if (inner.size() > 3 && inner.at(0) == base.at(0))
            words << inner;
        else
            words << base + inner;
    } else {
        words << token;
    }
    QStringList valid;
    for (const QString &word : std::as_const(words)) {
        if (isHeadword(word))
            valid << word;
    }
    return valid;
}

// Exam lists with glosses: the headword is the first field of a line; lines
// of a single field are letter headings of the list.
QStringList glossedListWords(const QString &path, bool *ok)
{
    QStringList words;
    for (const QString &line : readLines(path, ok)) {
        const QStringList fields = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (fields.size() < 2)
            continue;
        words << expandHeadword(fields.first());
    }
    return words;
}

// Plain list: one headword a line; entries of several words cannot match a
// single word and are left out.
QStringList plainListWords(const QString &path, bool *ok)
{
    QStringList words;
    for (const QString &line : readLines(path, ok)) {
        const QString entry = line.trimmed();
        if (entry.isEmpty() || entry.contains(QLatin1Char(' ')))
            continue;
        words << expandHeadword(entry);
    }
    return words;
}

QStringList splitCsvLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

// CEFR profiles: "headword,pos,CEFR,..."; "a.m./A.M./am/AM" stands for each
// of its forms.
void addCefrList(const QString &path, QHash<QString, int> *levels, bool *ok)
{
    const QStringList lines = readLines(path, ok);
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = splitCsvLine(lines.at(i));
        if (fields.size() < 3)
            continue;
        static const QStringList names = {QStringLiteral("A1"), QStringLiteral("A2"),
                                          QStringLiteral("B1"), QStringLiteral("B2"),
                                          QStringLiteral("C1"), QStringLiteral("C2")};
        const int index = names.indexOf(fields.at(2).trimmed());
        if (index < 0)
            continue;
        const int level = 6 + index;
        for (const QString &form : fields.at(0).split(QLatin1Char('/'))) {
            const QString word = form.trimmed();
            if (word.contains(QLatin1Char(' ')) || !isHeadword(word))
                continue;
            auto it = levels->find(word);
            if (it == levels->end())
                levels->insert(word, level);
            else if (level < *it)
                *it = level;
        }
    }
}

void addExamList(const QStringList &words, int level, QHash<QString, int> *levels)
{
    for (const QString &word : words) {
        auto it = levels->find(word);
        if (it == levels->end())
            levels->insert(word, level);
        else if (level < *it)
            *it = level;
    }
}

bool writeFile(const QString &path, const std::function<void(QDataStream &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "quillet-vocabtool: cannot write %s\n", qPrintable(path));
        return false;
    }
    QDataStream stream(&file);
    VocabularyFormat::prepare(stream);
    write(stream);
    if (stream.status() != QDataStream::Ok || !file.commit()) {
        std::fprintf(stderr, "quillet-vocabtool: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QList<QPair<QString, qint32>> sortedLevels(const QHash<QString, int> &levels)
{
    QMap<QString, int> sorted;
    for (auto it = levels.begin(); it != levels.end(); ++it)
        sorted.insert(it.key(), it.value());
    QList<QPair<QString, qint32>> list;
    for (auto it = sorted.begin(); it != sorted.end(); ++it)
        list.append({it.key(), qint32(it.value())});
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: quillet-vocabtool <list folder> <output folder>\n");
        return 2;
    }
    const QDir lists(args.at(1));
    const QDir out(args.at(2));
    bool ok = true;

    // Word forms: "lemma<TAB>form" lines; each inflected form lists its lemmas
    // in file order. Entries with digits ("1<TAB>first") are not word forms.
    QMap<QString, QStringList> forms;
    for (const QString &line : readLines(lists.filePath(QStringLiteral("lemmatization-en.txt")), &ok)) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() != 2)
            continue;
        const QString lemma = fields.at(0).trimmed();
        const QString form = fields.at(1).trimmed();
        if (lemma.isEmpty() || form.isEmpty() || lemma == form)
            continue;
        bool digits = false;
        for (const QChar c : lemma + form)
            digits = digits || c.isDigit();
        if (digits)
            continue;
        QStringList &lemmas = forms[form];
        if (!lemmas.contains(lemma))
            lemmas.append(lemma);
    }
    QList<QPair<QString, QStringList>> formList;
    for (auto it = forms.begin(); it != forms.end(); ++it)
        formList.append({it.key(), it.value()});

    // Exclusions: one word a line, "#" starts a comment.
    QStringList excluded;
    for (const QString &line : readLines(lists.filePath(QStringLiteral("exclusions.txt")), &ok)) {
        const QString word = line.section(QLatin1Char('#'), 0, 0).trimmed();
        if (!word.isEmpty() && !excluded.contains(word))
            excluded.append(word);
    }

    QHash<QString, int> cefr;
    addCefrList(lists.filePath(QStringLiteral("cefrj-vocabulary-profile-1.5.csv")), &cefr, &ok);
    addCefrList(lists.filePath(QStringLiteral("octanove-vocabulary-profile-c1c2-1.0.csv")), &cefr, &ok);

    // Chinese exam levels: BASE 0, CET4 1, CET6 2, IELTS 3 (no open list),
    // TOEFL 4, GRE 5; a word keeps its lowest level.
    QHash<QString, int> exams;
    addExamList(plainListWords(lists.filePath(QStringLiteral("examlists-Highschool_edited.txt")), &ok), 0, &exams);
    addExamList(glossedListWords(lists.filePath(QStringLiteral("examlists-CET4_edited.txt")), &ok), 1, &exams);
    addExamList(glossedListWords(lists.filePath(QStringLiteral("examlists-CET6_edited.txt")), &ok), 2, &exams);
    addExamList(glossedListWords(lists.filePath(QStringLiteral("examlists-TOEFL.txt")), &ok), 4, &exams);
    addExamList(glossedListWords(lists.filePath(QStringLiteral("examlists-GRE_8000_Words.txt")), &ok), 5, &exams);

    if (!ok)
        return 1;
    if (!QDir().mkpath(out.absolutePath()))
        return 1;

    ok = writeFile(out.filePath(QStringLiteral("voc.dat")), [&](QDataStream &stream) {
        VocabularyFormat::writeForms(stream, formList);
        VocabularyFormat::writeStringList(stream, excluded);
    });
    ok = ok && writeFile(out.filePath(QStringLiteral("cden.dat")), [&](QDataStream &stream) {
        VocabularyFormat::writeLevels(stream, sortedLevels(cefr));
    });
    ok = ok && writeFile(out.filePath(QStringLiteral("cdzh-CN.dat")), [&](QDataStream &stream) {
        VocabularyFormat::writeLevels(stream, sortedLevels(exams));
    });
    if (!ok)
        return 1;
    std::printf("quillet-vocabtool: %lld forms, %lld excluded, %lld CEFR words, %lld exam words\n",
                qlonglong(formList.size()), qlonglong(excluded.size()), qlonglong(cefr.size()),
                qlonglong(exams.size()));
    return 0;
}
