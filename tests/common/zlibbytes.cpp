#include "zlibbytes.h"

#include <zlib.h>

namespace ZlibBytes {

QByteArray deflated(const QByteArray &text)
{
    uLongf size = compressBound(uLong(text.size()));
    QByteArray out(qsizetype(size), Qt::Uninitialized);
    compress(reinterpret_cast<Bytef *>(out.data()), &size,
             reinterpret_cast<const Bytef *>(text.constData()), uLong(text.size()));
    out.truncate(qsizetype(size));
    return out;
}

QByteArray inflated(const QByteArray &body)
{
    QByteArray out(1 << 20, Qt::Uninitialized);
    uLongf size = uLongf(out.size());
    if (uncompress(reinterpret_cast<Bytef *>(out.data()), &size,
                   reinterpret_cast<const Bytef *>(body.constData()), uLong(body.size())) != Z_OK)
        return QByteArray("<damaged>");
    out.truncate(qsizetype(size));
    return out;
}

QByteArray answerRecord(const QByteArray &json)
{
    return deflated(json) + QByteArray("\x64\x1a\x1b", 3);
}

} // namespace ZlibBytes
