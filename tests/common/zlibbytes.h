#ifndef ZLIBBYTES_H
#define ZLIBBYTES_H

#include <QByteArray>

// zlib's one-shot compress and uncompress, for building and reading the
// bytes of check requests and answer records in tests.
namespace ZlibBytes {

QByteArray deflated(const QByteArray &text);
// At most 1 MiB of output; "<damaged>" when the bytes do not inflate.
QByteArray inflated(const QByteArray &body);
// One record of a check answer: the deflated JSON and the record separator.
QByteArray answerRecord(const QByteArray &json);

} // namespace ZlibBytes

#endif
