#ifndef TBINARYPROTOCOL_H
#define TBINARYPROTOCOL_H

#include "ttype.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace GammaLib {

class THttpClient;

// Thrift binary protocol (strict writes, version 1) on an HTTP transport.
//
// Reading never trusts the input: a read past the end, a length or count that
// the remaining bytes cannot hold, a type code that has no encoding or nesting
// deeper than MaxDepth puts the protocol into an error state. From then on
// every read gives a zero value, readFieldBegin() gives the stop type, and
// containers are empty, so readers end cleanly; hasError() tells the caller.
class TBinaryProtocol : public QObject
{
    Q_OBJECT

public:
    static constexpr quint32 Version1 = 0x80010000u;
    static constexpr quint32 VersionMask = 0xffff0000u;
    static constexpr int MaxDepth = 64;

    explicit TBinaryProtocol(THttpClient *transport, QObject *parent = nullptr);

    THttpClient *transport() const { return m_transport; }
    bool strictWrite() const { return m_strictWrite; }

    void writeMessageBegin(const QString &name, qint32 type, qint32 sequenceId);
    void writeFieldBegin(const QString &name, qint8 type, qint16 id);
    void writeFieldStop();
    void writeBool(bool value);
    void writeByte(qint8 value);
    void writeI16(qint16 value);
    void writeI32(qint32 value);
    void writeI64(qint64 value);
    void writeDouble(double value);
    void writeString(const QString &value);
    void writeBinary(const QByteArray &value);
    void writeListBegin(qint8 elementType, qint32 size);
    void writeSetBegin(qint8 elementType, qint32 size) { writeListBegin(elementType, size); }
    void writeMapBegin(qint8 keyType, qint8 valueType, qint32 size);

    // False for a header that is not the strict one (name, type and sequence
    // id are then empty) or on error.
    bool readMessageBegin(QString &name, qint32 &type, qint32 &sequenceId);
    // False at the stop byte or on error (type is then Stop).
    bool readFieldBegin(qint8 &type, qint16 &id);
    bool readBool();
    qint8 readByte();
    qint16 readI16();
    qint32 readI32();
    qint64 readI64();
    double readDouble();
    QString readString();
    QByteArray readBinary();
    // The size is 0 on error; elementType as read.
    bool readListBegin(qint8 &elementType, qint32 &size);
    bool readSetBegin(qint8 &elementType, qint32 &size) { return readListBegin(elementType, size); }
    bool readMapBegin(qint8 &keyType, qint8 &valueType, qint32 &size);
    // Reads and discards one value of the given type.
    void skip(qint8 type);

    // Reads a field value with reader() (which returns false for a value it
    // cannot use) when its type is the expected one and skips it otherwise;
    // true when the value was read and kept.
    template<typename Reader>
    bool readField(qint8 type, qint8 expected, Reader reader)
    {
        if (type != expected) {
            skip(type);
            return false;
        }
        return reader() && !m_error;
    }

    // Reads a list whose elements are read one by one with readElement(); a
    // list of another element type is skipped whole and gives false.
    template<typename ReadElement>
    bool readList(qint8 expectedElement, ReadElement readElement)
    {
        qint8 elementType = 0;
        qint32 size = 0;
        readListBegin(elementType, size);
        if (elementType != expectedElement) {
            for (qint32 i = 0; i < size && !m_error; ++i)
                skip(elementType);
            return false;
        }
        for (qint32 i = 0; i < size && !m_error; ++i)
            readElement();
        return true;
    }
    bool readStringList(QStringList &out)
    {
        return readList(TType::String, [&] { out.append(readString()); });
    }
    template<typename Struct>
    bool readStructList(QList<Struct> &out)
    {
        return readList(TType::Struct, [&] {
            Struct element;
            element.read(*this);
            out.append(element);
        });
    }

    // Struct nesting for readers of nested structs.
    bool enterStruct();
    void leaveStruct() { --m_depth; }

    bool hasError() const { return m_error; }
    QString errorString() const { return m_errorString; }
    void clearError();
    void fail(const QString &why);

private:
    bool take(char *data, qsizetype size);
    QByteArray takeBytes(qint32 length);
    bool checkCount(qint64 count, int minimumElementSize);
    static int minimumSize(qint8 type);
    void skipValue(qint8 type, int depth);

    THttpClient *m_transport;
    bool m_strictWrite = true;
    bool m_error = false;
    QString m_errorString;
    int m_depth = 0;
};

} // namespace GammaLib

#endif
