#ifndef VOCABULARYFORMAT_H
#define VOCABULARYFORMAT_H

#include <QHash>
#include <QString>
#include <QStringList>

class QDataStream;

// The binary layout of the vocabulary files "voc.dat", "cden.dat" and
// "cdzh-CN.dat": QDataStream's classic serialisation, big-endian, with no
// header. A string is a 32-bit byte length and UTF-16BE code units (0xFFFFFFFF
// for a null string); a list is a 32-bit count and its strings; a hash is a
// 32-bit count and its key/value pairs.
//
// Shared by the program, which reads the files, and the data tool that writes
// them at build time.
namespace VocabularyFormat {

using FormTable = QHash<QString, QStringList>;
using LevelTable = QHash<QString, qint32>;

// Puts the stream into the byte order and string encoding of the files.
void prepare(QDataStream &stream);

// Readers. A list stops early at the end of the data; a hash whose reading
// fails part-way is left empty. Repeated keys keep the value read last.
QStringList readStringList(QDataStream &stream);
FormTable readForms(QDataStream &stream);
LevelTable readLevels(QDataStream &stream);

// Writers; pairs are written in the order given.
void writeStringList(QDataStream &stream, const QStringList &list);
void writeForms(QDataStream &stream, const QList<QPair<QString, QStringList>> &forms);
void writeLevels(QDataStream &stream, const QList<QPair<QString, qint32>> &levels);

} // namespace VocabularyFormat

#endif
