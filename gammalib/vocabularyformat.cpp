#include "vocabularyformat.h"

#include <QDataStream>

namespace VocabularyFormat {

void prepare(QDataStream &stream)
{
    // Strings and integers are laid out the same way in every stream version
    // since Qt 4; pin one so the layout never follows a newer default.
    stream.setVersion(QDataStream::Qt_4_8);
    stream.setByteOrder(QDataStream::BigEndian);
}

QStringList readStringList(QDataStream &stream)
{
    QStringList list;
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        if (stream.atEnd())
            break;
        QString text;
        stream >> text;
        if (stream.status() != QDataStream::Ok)
            break;
        list.append(text);
    }
    return list;
}

template <typename Value>
static QHash<QString, Value> readHash(QDataStream &stream, Value (*readValue)(QDataStream &))
{
    QHash<QString, Value> hash;
    quint32 count = 0;
    stream >> count;
    for (quint32 i = 0; i < count; ++i) {
        QString key;
        stream >> key;
        Value value = readValue(stream);
        if (stream.status() != QDataStream::Ok) {
            hash.clear();
            break;
        }
        hash.insert(key, value);
    }
    if (stream.status() != QDataStream::Ok)
        hash.clear();
    return hash;
}

static QStringList readFormList(QDataStream &stream)
{
    return readStringList(stream);
}

static qint32 readLevel(QDataStream &stream)
{
    qint32 level = -1;
    stream >> level;
    return level;
}

FormTable readForms(QDataStream &stream)
{
    return readHash<QStringList>(stream, readFormList);
}

LevelTable readLevels(QDataStream &stream)
{
    return readHash<qint32>(stream, readLevel);
}

void writeStringList(QDataStream &stream, const QStringList &list)
{
    stream << quint32(list.size());
    for (const QString &text : list)
        stream << text;
}

void writeForms(QDataStream &stream, const QList<QPair<QString, QStringList>> &forms)
{
    stream << quint32(forms.size());
    for (const auto &entry : forms) {
        stream << entry.first;
        writeStringList(stream, entry.second);
    }
}

void writeLevels(QDataStream &stream, const QList<QPair<QString, qint32>> &levels)
{
    stream << quint32(levels.size());
    for (const auto &entry : levels)
        stream << entry.first << entry.second;
}

} // namespace VocabularyFormat
