#include "configfile.h"

#include "atomicfile.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>

ConfigFile::ConfigFile(const QString &dir, const QString &fileName)
{
    m_dir = (dir.isEmpty() || !QFileInfo(dir).isDir()) ? userConfigFolder() : dir;
    if (!m_dir.endsWith(QLatin1Char('/')) && !m_dir.endsWith(QLatin1Char('\\')))
        m_dir += QLatin1Char('/');
    m_fileName = fileName.isEmpty() ? QStringLiteral("default.ini") : fileName;
    load();
}

QString ConfigFile::userConfigFolder()
{
    QSettings probe(QSettings::IniFormat, QSettings::UserScope,
                    QStringLiteral("Quillet"), QStringLiteral("application"));
    return QFileInfo(probe.fileName()).absolutePath() + QLatin1Char('/');
}

bool ConfigFile::load()
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    const QByteArray raw = file.readAll();
    // UTF-8 unless a byte-order mark says otherwise.
    auto encoding = QStringConverter::encodingForData(raw);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QString text = decoder.decode(raw);

    QDomDocument doc;
    if (!doc.setContent(text, true))
        return false;

    // The first top-level node is the XML declaration, the second the root.
    QHash<QString, Entry> fresh;
    const QDomNode root = doc.childNodes().at(1);
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        Entry entry;
        entry.value = element.isNull() ? node.nodeValue() : element.text();
        entry.defaultValue = element.isNull() ? QString() : element.attribute(QStringLiteral("default"));
        fresh.insert(node.nodeName(), entry);
    }
    m_entries = fresh;
    return true;
}

QByteArray ConfigFile::toXml() const
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = doc.createElement(QStringLiteral("config"));
    doc.appendChild(root);
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        QDomElement element = doc.createElement(it.key());
        element.setAttribute(QStringLiteral("default"), it.value().defaultValue);
        element.appendChild(doc.createTextNode(it.value().value));
        root.appendChild(element);
    }
    return doc.toString(1).toUtf8();
}

bool ConfigFile::save()
{
    if (!QDir().mkpath(m_dir))
        return false;
    return AtomicFile::write(filePath(), toXml());
}

QString ConfigFile::value(const QString &key)
{
    auto it = m_entries.find(key);
    if (it == m_entries.end()) {
        m_entries.insert(key, Entry());
        return QString();
    }
    return it->value.isEmpty() ? it->defaultValue : it->value;
}

void ConfigFile::setValue(const QString &key, const QString &text)
{
    auto it = m_entries.find(key);
    if (it != m_entries.end())
        it->value = text;
    else
        m_entries.insert(key, Entry{text, text});
}

void ConfigFile::clearValue(const QString &key)
{
    m_entries.insert(key, Entry());
}

void ConfigFile::addDefault(const QString &key, const QString &text)
{
    if (!m_entries.contains(key))
        m_entries.insert(key, Entry{text, text});
}

bool ConfigFile::exists() const
{
    return QFileInfo::exists(filePath());
}
