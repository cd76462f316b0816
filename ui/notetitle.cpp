#include "notetitle.h"

#include "sentencesplitter.h"

#include <QStringList>

namespace NoteTitle {

QString fromText(const QString &plainText)
{
    QString paragraph;
    const QStringList lines = QString(plainText).replace(QChar(0x2029), QLatin1Char('\n'))
                                  .replace(QLatin1String("\r\n"), QLatin1String("\n"))
                                  .replace(QLatin1Char('\r'), QLatin1Char('\n'))
                                  .split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (!line.trimmed().isEmpty()) {
            paragraph = line.trimmed();
            break;
        }
    }
    if (paragraph.isEmpty())
        return QString();

    if (GammaLib::containsSentenceMark(paragraph)) {
        const QList<int> ends = GammaLib::splitSentences(paragraph);
        // The first sentence ends before the limit: it is the title.
        if (!ends.isEmpty() && ends.first() < Limit)
            return paragraph.left(ends.first() + 1).trimmed();
    }
    if (paragraph.size() > Limit) {
        const int blank = paragraph.lastIndexOf(QLatin1Char(' '), Limit - 2);
        if (blank >= 1)
            return paragraph.left(blank).trimmed();
        QString cut = paragraph.left(Limit);
        // Never half a character outside the basic plane.
        if (cut.at(cut.size() - 1).isHighSurrogate())
            cut.chop(1);
        return cut;
    }
    return paragraph;
}

} // namespace NoteTitle
