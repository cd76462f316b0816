#ifndef ZIPWRITER_H
#define ZIPWRITER_H

#include <QByteArray>
#include <QList>
#include <QString>

// Builds a ZIP archive in memory: every member deflated, names in UTF-8.
class ZipWriter
{
public:
    void add(const QString &name, const QByteArray &content);
    QByteArray finish() const;

private:
    struct Entry
    {
        QByteArray name;
        QByteArray compressed;
        quint32 crc = 0;
        quint32 size = 0;
        quint32 offset = 0;
    };
    // The fields the local header and the central directory share, from the
    // flags to the name length.
    static void putSharedFields(QByteArray &out, const Entry &entry);

    QList<Entry> m_entries;
    QByteArray m_body;
};

#endif
