#include "zipreader.h"

#include <QtEndian>
#include <zlib.h>

namespace {

constexpr quint32 EndSignature = 0x06054b50;
constexpr quint32 CentralSignature = 0x02014b50;
constexpr quint32 LocalSignature = 0x04034b50;
constexpr int EndRecordSize = 22;
constexpr int CentralHeaderSize = 46;
constexpr int LocalHeaderSize = 30;

quint16 u16(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

quint32 u32(const QByteArray &data, qint64 at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

bool inflateRaw(const char *input, qint64 inputSize, quint32 expected, QByteArray *out)
{
    out->resize(expected);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input));
    stream.avail_in = static_cast<uInt>(inputSize);
    stream.next_out = reinterpret_cast<Bytef *>(out->data());
    stream.avail_out = expected;
    int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == expected;
    // A member that would give more than it declares is damaged.
    inflateEnd(&stream);
    return complete;
}

} // namespace

ZipReader::ZipReader(const QByteArray &archive)
    : m_archive(archive)
{
}

bool ZipReader::looksLikeZip(const QByteArray &head)
{
    return head.size() >= 4 && u32(head, 0) == LocalSignature;
}

bool ZipReader::find(const QString &name, Member *member) const
{
    const qint64 size = m_archive.size();
    if (size < EndRecordSize)
        return false;
    // The end record sits in the last 22 bytes plus a comment of at most 64 KiB.
    qint64 end = -1;
    const qint64 lowest = qMax<qint64>(0, size - EndRecordSize - 0xFFFF);
    for (qint64 at = size - EndRecordSize; at >= lowest; --at) {
        if (u32(m_archive, at) == EndSignature) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return false;
    const quint16 count = u16(m_archive, end + 10);
    const quint32 directorySize = u32(m_archive, end + 12);
    const quint32 directoryOffset = u32(m_archive, end + 16);
    if (qint64(directoryOffset) + directorySize > end)
        return false;

    const QByteArray wanted = name.toUtf8();
    qint64 at = directoryOffset;
    const qint64 directoryEnd = qint64(directoryOffset) + directorySize;
    for (int i = 0; i < count; ++i) {
        if (at + CentralHeaderSize > directoryEnd || u32(m_archive, at) != CentralSignature)
            return false;
        const quint16 nameLength = u16(m_archive, at + 28);
        const quint16 extraLength = u16(m_archive, at + 30);
        const quint16 commentLength = u16(m_archive, at + 32);
        const qint64 next = at + CentralHeaderSize + nameLength + extraLength + commentLength;
        if (next > directoryEnd)
            return false;
        if (QByteArray::fromRawData(m_archive.constData() + at + CentralHeaderSize, nameLength) == wanted) {
            member->flags = u16(m_archive, at + 8);
            member->method = u16(m_archive, at + 10);
            member->crc = u32(m_archive, at + 16);
            member->compressedSize = u32(m_archive, at + 20);
            member->size = u32(m_archive, at + 24);
            member->localOffset = u32(m_archive, at + 42);
            return true;
        }
        at = next;
    }
    return false;
}

bool ZipReader::contains(const QString &name) const
{
    Member member;
    return find(name, &member);
}

bool ZipReader::read(const QString &name, QByteArray *content, qint64 limit) const
{
    Member member;
    if (!find(name, &member))
        return false;
    if (member.flags & 0x1) // encrypted
        return false;
    if (member.size > limit || member.compressedSize == 0xFFFFFFFFu || member.size == 0xFFFFFFFFu)
        return false;
    const qint64 local = member.localOffset;
    if (local + LocalHeaderSize > m_archive.size() || u32(m_archive, local) != LocalSignature)
        return false;
    const qint64 dataStart = local + LocalHeaderSize + u16(m_archive, local + 26) + u16(m_archive, local + 28);
    if (dataStart + qint64(member.compressedSize) > m_archive.size())
        return false;
    const char *data = m_archive.constData() + dataStart;

    QByteArray out;
    if (member.method == 0) {
        if (member.compressedSize != member.size)
            return false;
        out = QByteArray(data, member.size);
    } else if (member.method == 8) {
        if (!inflateRaw(data, member.compressedSize, member.size, &out))
            return false;
    } else {
        return false;
    }
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), reinterpret_cast<const Bytef *>(out.constData()),
                            static_cast<uInt>(out.size()));
    if (crc != member.crc)
        return false;
    *content = std::move(out);
    return true;
}
