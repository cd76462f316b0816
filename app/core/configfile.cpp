#include "configfile.h"

#include "atomicfile.h"
#include "secretstore.h"

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
    QHash<QString, Entry> fresh;
    if (!parse(file.readAll(), &fresh))
        return false;
    m_entries = fresh;
    return true;
}

bool ConfigFile::parse(const QByteArray &raw, QHash<QString, Entry> *entries)
{
    // UTF-8 unless a byte-order mark says otherwise.
    auto encoding = QStringConverter::encodingForData(raw);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QString text = decoder.decode(raw);

    QDomDocument doc;
    if (!doc.setContent(text, true))
        return false;

    // The first top-level node is the XML declaration, the second the root.
    entries->clear();
    const QDomNode root = doc.childNodes().at(1);
    for (QDomNode node = root.firstChild(); !node.isNull(); node = node.nextSibling()) {
        const QDomElement element = node.toElement();
        Entry entry;
        entry.value = element.isNull() ? node.nodeValue() : element.text();
        entry.defaultValue = element.isNull() ? QString() : element.attribute(QStringLiteral("default"));
        entries->insert(node.nodeName(), entry);
    }
    return true;
}

namespace {

// Whether key can be written as an element name that load() reads back as
// the same key: an XML name without a namespace prefix (load() parses with
// namespaces on, so "a:b" would need a declaration).
bool isWritableKey(const QString &key)
{
    if (key.isEmpty())
        return false;
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QChar c = key.at(i);
        const bool start = c.isLetter() || c == QLatin1Char('_');
        const bool inner = start || c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.')
                           || c.category() == QChar::Mark_NonSpacing
                           || c.category() == QChar::Mark_SpacingCombining;
        if (i == 0 ? !start : !inner)
            return false;
    }
    return true;
}

// The text without the characters an XML 1.0 document cannot hold (control
// characters other than tab, line feed and carriage return, unpaired
// surrogates, U+FFFE and U+FFFF). One such character would otherwise make the
// whole file unreadable, and with it every other setting.
QString xmlSafeText(const QString &text)
{
    QString safe;
    safe.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            safe += c;
            safe += text.at(++i);
            continue;
        }
        const ushort u = c.unicode();
        const bool allowed = u == 0x9 || u == 0xA || u == 0xD
                             || (u >= 0x20 && !c.isSurrogate() && u != 0xFFFE && u != 0xFFFF);
        if (allowed)
            safe += c;
    }
    return safe;
}

} // namespace

QByteArray ConfigFile::toXml() const
{
    // A secret the store holds is written empty.
    QHash<QString, Entry> entries = m_entries;
    for (auto it = m_inStore.cbegin(); it != m_inStore.cend(); ++it) {
        auto entry = entries.find(it.key());
        if (entry != entries.end() && entry->value == it.value()) {
            entry->value.clear();
            entry->defaultValue.clear();
        }
    }
    return toXml(entries);
}

QByteArray ConfigFile::toXml(const QHash<QString, Entry> &entries) const
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"utf-8\"")));
    QDomElement root = doc.createElement(QStringLiteral("config"));
    doc.appendChild(root);
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        // A key no element can be named after stays in memory only.
        if (!isWritableKey(it.key()))
            continue;
        QDomElement element = doc.createElement(it.key());
        element.setAttribute(QStringLiteral("default"), xmlSafeText(it.value().defaultValue));
        element.appendChild(doc.createTextNode(xmlSafeText(it.value().value)));
        root.appendChild(element);
    }
    return doc.toString(1).toUtf8();
}

bool ConfigFile::save()
{
    if (!QDir().mkpath(m_dir))
        return false;
    syncSecrets();
    const QFileDevice::Permissions permissions =
        m_ownerOnly ? (QFileDevice::ReadOwner | QFileDevice::WriteOwner) : QFileDevice::Permissions();
    return AtomicFile::write(filePath(), toXml(), permissions);
}

void ConfigFile::keepSecretsIn(SecretStore *store, const QStringList &keys)
{
    m_secrets = store;
    m_secretKeys = keys;
    m_inStore.clear();
    if (!m_secrets || !m_secrets->isAvailable())
        return;
    bool moved = false;
    for (const QString &key : keys) {
        const auto it = m_entries.constFind(key);
        const QString inFile = it == m_entries.constEnd() ? QString() : it->value;
        if (!inFile.isEmpty()) {
            // Left by an older version or a start without the keyring.
            if (m_secrets->write(secretName(key), inFile)) {
                m_inStore.insert(key, inFile);
                moved = true;
            }
            continue;
        }
        const std::optional<QString> stored = m_secrets->read(secretName(key));
        if (!stored || stored->isEmpty())
            continue;
        m_inStore.insert(key, *stored);
        auto entry = m_entries.find(key);
        if (entry == m_entries.end())
            m_entries.insert(key, Entry{*stored, QString()});
        else
            entry->value = *stored;
    }
    if (moved)
        save();
}

void ConfigFile::syncSecrets()
{
    if (!m_secrets || m_secretKeys.isEmpty() || !m_secrets->isAvailable())
        return;
    for (const QString &key : std::as_const(m_secretKeys)) {
        const QString value = m_entries.value(key).value;
        const auto held = m_inStore.constFind(key);
        if (value.isEmpty()) {
            if (held != m_inStore.constEnd() && m_secrets->remove(secretName(key)))
                m_inStore.remove(key);
        } else if (held == m_inStore.constEnd() || *held != value) {
            if (m_secrets->write(secretName(key), value))
                m_inStore.insert(key, value);
            else
                m_inStore.remove(key); // the file keeps it
        }
    }
}

QString ConfigFile::secretName(const QString &key) const
{
    return QDir::cleanPath(filePath()) + QLatin1Char(':') + key;
}

void ConfigFile::setOwnerOnly(bool ownerOnly)
{
    m_ownerOnly = ownerOnly;
    if (!ownerOnly || !exists())
        return;
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    QFile file(filePath());
    if ((file.permissions() & ~(owner | QFileDevice::ReadUser | QFileDevice::WriteUser)) != 0)
        file.setPermissions(owner);
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

void ConfigFile::setEntry(const QString &key, const QString &text, const QString &defaultText)
{
    m_entries.insert(key, Entry{text, defaultText});
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
