#include "zipwriter.h"

#include <QtEndian>
#include <zlib.h>

namespace {

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

QByteArray deflateRaw(const QByteArray &input)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&stream, uLong(input.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input.constData()));
    stream.avail_in = uInt(input.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(int(stream.total_out));
    deflateEnd(&stream);
    return out;
}

constexpr quint16 Version = 20;
constexpr quint16 Utf8Names = 0x0800;
constexpr quint16 Deflated = 8;
// 1 January 1980, the earliest date the format can hold.
constexpr quint16 DosTime = 0;
constexpr quint16 DosDate = (0 << 9) | (1 << 5) | 1;

} // namespace

void ZipWriter::putSharedFields(QByteArray &out, const Entry &entry)
{
    put16(out, Utf8Names);
    put16(out, Deflated);
    put16(out, DosTime);
    put16(out, DosDate);
    put32(out, entry.crc);
    put32(out, quint32(entry.compressed.size()));
    put32(out, entry.size);
    put16(out, quint16(entry.name.size()));
}

void ZipWriter::add(const QString &name, const QByteArray &content)
{
    Entry entry;
    entry.name = name.toUtf8();
    entry.compressed = deflateRaw(content);
    entry.crc = quint32(crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(content.constData()),
                              uInt(content.size())));
    entry.size = quint32(content.size());
    entry.offset = quint32(m_body.size());

    put32(m_body, 0x04034b50);
    put16(m_body, Version);
    putSharedFields(m_body, entry);
    put16(m_body, 0);
    m_body.append(entry.name);
    m_body.append(entry.compressed);
    m_entries.append(entry);
}

QByteArray ZipWriter::finish() const
{
    QByteArray out = m_body;
    const quint32 directoryOffset = quint32(out.size());
    for (const Entry &entry : m_entries) {
        put32(out, 0x02014b50);
        put16(out, Version);
        put16(out, Version);
        putSharedFields(out, entry);
        put16(out, 0); // extra
        put16(out, 0); // comment
        put16(out, 0); // disk
        put16(out, 0); // internal attributes
        put32(out, 0); // external attributes
        put32(out, entry.offset);
        out.append(entry.name);
    }
    const quint32 directorySize = quint32(out.size()) - directoryOffset;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint16(m_entries.size()));
    put16(out, quint16(m_entries.size()));
    put32(out, directorySize);
    put32(out, directoryOffset);
    put16(out, 0);
    return out;
}
