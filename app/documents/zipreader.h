#ifndef ZIPREADER_H
#define ZIPREADER_H

#include <QByteArray>
#include <QString>

// Reads one member of a ZIP archive held in memory (stored or deflated
// members, no ZIP64, no encryption). Damaged or hostile archives give
// false, never a crash: every offset and size is checked against the
// archive, and a member never inflates beyond its declared size or the limit.
class ZipReader
{
public:
    static constexpr qint64 DefaultMemberLimit = 256 * 1024 * 1024;

    explicit ZipReader(const QByteArray &archive);

    bool contains(const QString &name) const;
    bool read(const QString &name, QByteArray *content, qint64 limit = DefaultMemberLimit) const;

    static bool looksLikeZip(const QByteArray &head);

private:
    struct Member
    {
        quint16 method = 0;
        quint16 flags = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 localOffset = 0;
    };
    bool find(const QString &name, Member *member) const;

    QByteArray m_archive;
};

#endif
