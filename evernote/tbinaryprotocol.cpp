#include "tbinaryprotocol.h"

#include "thttpclient.h"
#include "ttype.h"

#include <QtEndian>
#include <cstring>

namespace GammaLib {

TBinaryProtocol::TBinaryProtocol(THttpClient *transport, QObject *parent)
    : QObject(parent)
    , m_transport(transport)
{
}

void TBinaryProtocol::clearError()
{
    m_error = false;
    m_errorString.clear();
    m_depth = 0;
}

void TBinaryProtocol::fail(const QString &why)
{
    if (!m_error) {
        m_error = true;
        m_errorString = why;
    }
}

// Writing

void TBinaryProtocol::writeMessageBegin(const QString &name, qint32 type, qint32 sequenceId)
{
    writeI32(qint32(Version1 | quint32(type)));
    writeString(name);
    writeI32(sequenceId);
}

void TBinaryProtocol::writeFieldBegin(const QString &name, qint8 type, qint16 id)
{
    Q_UNUSED(name);
    writeByte(type);
    writeI16(id);
}

void TBinaryProtocol::writeFieldStop()
{
    writeByte(TType::Stop);
}

void TBinaryProtocol::writeBool(bool value)
{
    writeByte(value ? 1 : 0);
}

void TBinaryProtocol::writeByte(qint8 value)
{
    m_transport->write(reinterpret_cast<const char *>(&value), 1);
}

void TBinaryProtocol::writeI16(qint16 value)
{
    char bytes[2];
    qToBigEndian(value, bytes);
    m_transport->write(bytes, 2);
}

void TBinaryProtocol::writeI32(qint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    m_transport->write(bytes, 4);
}

void TBinaryProtocol::writeI64(qint64 value)
{
    char bytes[8];
    qToBigEndian(value, bytes);
    m_transport->write(bytes, 8);
}

void TBinaryProtocol::writeDouble(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    writeI64(qint64(bits));
}

void TBinaryProtocol::writeString(const QString &value)
{
    writeBinary(value.toUtf8());
}

void TBinaryProtocol::writeBinary(const QByteArray &value)
{
    writeI32(qint32(value.size()));
    m_transport->write(value);
}

void TBinaryProtocol::writeListBegin(qint8 elementType, qint32 size)
{
    writeByte(elementType);
    writeI32(size);
}

void TBinaryProtocol::writeMapBegin(qint8 keyType, qint8 valueType, qint32 size)
{
    writeByte(keyType);
    writeByte(valueType);
    writeI32(size);
}

// Reading

bool TBinaryProtocol::take(char *data, qsizetype size)
{
    if (!m_error && m_transport->read(data, size))
        return true;
    fail(QStringLiteral("truncated answer"));
    std::memset(data, 0, size_t(size));
    return false;
}

QByteArray TBinaryProtocol::takeBytes(qint32 length)
{
    if (m_error)
        return {};
    if (length < 0) {
        fail(QStringLiteral("negative length"));
        return {};
    }
    // Never allocate more than the answer actually holds.
    if (length > m_transport->bytesAvailable()) {
        fail(QStringLiteral("length beyond the end of the answer"));
        return {};
    }
    QByteArray bytes(length, Qt::Uninitialized);
    take(bytes.data(), length);
    return bytes;
}

bool TBinaryProtocol::readMessageBegin(QString &name, qint32 &type, qint32 &sequenceId)
{
    name.clear();
    type = 0;
    sequenceId = 0;
    const qint32 first = readI32();
    if (m_error || first >= 0)
        return false; // no strict header: not decoded
    type = qint32(quint32(first) & 0xff);
    name = readString();
    sequenceId = readI32();
    if (m_error) {
        name.clear();
        type = 0;
        sequenceId = 0;
        return false;
    }
    return true;
}

bool TBinaryProtocol::readFieldBegin(qint8 &type, qint16 &id)
{
    id = 0;
    type = readByte();
    if (m_error || type == TType::Stop) {
        type = TType::Stop;
        return false;
    }
    id = readI16();
    if (m_error) {
        type = TType::Stop;
        return false;
    }
    return true;
}

bool TBinaryProtocol::readBool()
{
    return readByte() == 1;
}

qint8 TBinaryProtocol::readByte()
{
    char byte;
    take(&byte, 1);
    return qint8(byte);
}

qint16 TBinaryProtocol::readI16()
{
    char bytes[2];
    take(bytes, 2);
    return qFromBigEndian<qint16>(bytes);
}

qint32 TBinaryProtocol::readI32()
{
    char bytes[4];
    take(bytes, 4);
    return qFromBigEndian<qint32>(bytes);
}

qint64 TBinaryProtocol::readI64()
{
    char bytes[8];
    take(bytes, 8);
    return qFromBigEndian<qint64>(bytes);
}

double TBinaryProtocol::readDouble()
{
    const quint64 bits = quint64(readI64());
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

QString TBinaryProtocol::readString()
{
    return QString::fromUtf8(readBinary());
}

QByteArray TBinaryProtocol::readBinary()
{
    const qint32 length = readI32();
    return takeBytes(length);
}

int TBinaryProtocol::minimumSize(qint8 type)
{
    switch (type) {
    case TType::Bool:
    case TType::Byte:
    case TType::Struct: // at least its stop byte
        return 1;
    case TType::I16:
        return 2;
    case TType::I32:
    case TType::String:
    case TType::Set:
    case TType::List:
        return 4;
    case TType::Map:
        return 6;
    case TType::Double:
    case TType::I64:
        return 8;
    default:
        return 0; // no encoding
    }
}

bool TBinaryProtocol::checkCount(qint64 count, int minimumElementSize)
{
    if (m_error)
        return false;
    if (count < 0) {
        fail(QStringLiteral("negative container size"));
        return false;
    }
    if (minimumElementSize <= 0 && count > 0) {
        fail(QStringLiteral("container of an unknown type"));
        return false;
    }
    // Every element takes some bytes: a count the answer cannot hold is a lie.
    if (count * minimumElementSize > m_transport->bytesAvailable()) {
        fail(QStringLiteral("container size beyond the end of the answer"));
        return false;
    }
    return true;
}

bool TBinaryProtocol::readListBegin(qint8 &elementType, qint32 &size)
{
    elementType = readByte();
    size = readI32();
    if (!checkCount(size, minimumSize(elementType))) {
        size = 0;
        return false;
    }
    return true;
}

bool TBinaryProtocol::readMapBegin(qint8 &keyType, qint8 &valueType, qint32 &size)
{
    keyType = readByte();
    valueType = readByte();
    size = readI32();
    const int keySize = minimumSize(keyType);
    const int valueSize = minimumSize(valueType);
    if (!checkCount(size, keySize > 0 && valueSize > 0 ? keySize + valueSize : 0)) {
        size = 0;
        return false;
    }
    return true;
}

bool TBinaryProtocol::enterStruct()
{
    if (m_error)
        return false;
    if (++m_depth > MaxDepth) {
        --m_depth;
        fail(QStringLiteral("nesting too deep"));
        return false;
    }
    return true;
}

void TBinaryProtocol::skip(qint8 type)
{
    skipValue(type, m_depth);
}

void TBinaryProtocol::skipValue(qint8 type, int depth)
{
    if (m_error)
        return;
    if (depth > MaxDepth) {
        fail(QStringLiteral("nesting too deep"));
        return;
    }
    switch (type) {
    case TType::Bool:
    case TType::Byte:
        readByte();
        break;
    case TType::I16:
        readI16();
        break;
    case TType::I32:
        readI32();
        break;
    case TType::I64:
    case TType::Double:
        readI64();
        break;
    case TType::String:
        readBinary();
        break;
    case TType::Struct: {
        qint8 fieldType;
        qint16 id;
        while (readFieldBegin(fieldType, id))
            skipValue(fieldType, depth + 1);
        break;
    }
    case TType::Map: {
        qint8 keyType, valueType;
        qint32 size;
        readMapBegin(keyType, valueType, size);
        for (qint32 i = 0; i < size && !m_error; ++i) {
            skipValue(keyType, depth + 1);
            skipValue(valueType, depth + 1);
        }
        break;
    }
    case TType::Set:
    case TType::List: {
        qint8 elementType;
        qint32 size;
        readListBegin(elementType, size);
        for (qint32 i = 0; i < size && !m_error; ++i)
            skipValue(elementType, depth + 1);
        break;
    }
    default:
        // A type code without an encoding: what follows cannot be found.
        fail(QStringLiteral("unknown type code %1").arg(type));
        break;
    }
}

} // namespace GammaLib
