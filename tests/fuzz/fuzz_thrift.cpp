// Answers of the note service in Thrift's binary protocol: a note list and a
// single note, read from any bytes.

#include "fuzzsupport.h"

#include "edamresult.h"
#include "note.h"
#include "notelist.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"

#include <QUrl>

using namespace GammaLib;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::ensureApplication();
    static THttpClient transport(QUrl(QStringLiteral("https://127.0.0.1:1/unused")));
    static TBinaryProtocol protocol(&transport);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    transport.setBuffer(bytes);
    protocol.clearError();
    NoteList list;
    EDAMErrorCode code = EDAMResult::read(protocol, true, [&](qint8 type) {
        return protocol.readField(type, TType::Struct, [&] { return list.read(protocol); });
    });
    Fuzz::require(code >= 1 && code <= EDAM::MalformedAnswer, "note list answer code out of range");
    Fuzz::require(list.notes.size() <= bytes.size(), "more notes than bytes");

    transport.setBuffer(bytes);
    protocol.clearError();
    Note note;
    code = EDAMResult::read(protocol, true, [&](qint8 type) {
        return protocol.readField(type, TType::Struct, [&] { return note.read(protocol); });
    });
    Fuzz::require(code >= 1 && code <= EDAM::MalformedAnswer, "note answer code out of range");
    return 0;
}
