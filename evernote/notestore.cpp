#include "notestore.h"

#include "edamresult.h"
#include "tbinaryprotocol.h"
#include "thttpclient.h"
#include "ttype.h"

namespace GammaLib {

NoteStore::NoteStore(const QUrl &url, QObject *parent)
    : QObject(parent)
    , m_transport(new THttpClient(url, this))
    , m_protocol(new TBinaryProtocol(m_transport, this))
{
}

QUrl NoteStore::url() const
{
    return m_transport->url();
}

NoteFilter NoteStore::newestFirstFilter()
{
    NoteFilter filter;
    filter.order = 1; // by creation date
    filter.isset.order = true;
    filter.ascending = false;
    filter.isset.ascending = true;
    return filter;
}

void NoteStore::begin(const QString &name, void (NoteStore::*slot)(bool))
{
    m_transport->abort();
    disconnect(m_transport, &THttpClient::signalFinished, this, nullptr);
    connect(m_transport, &THttpClient::signalFinished, this, slot);
    m_transport->rewind();
    m_protocol->writeMessageBegin(name, TMessageType::Call, 0);
}

void NoteStore::findNotes(const QString &authenticationToken, const NoteFilter &filter, qint32 offset,
                          qint32 maxNotes)
{
    begin(QStringLiteral("findNotes"), &NoteStore::slotFindNotes);
    if (!authenticationToken.isEmpty()) {
        m_protocol->writeFieldBegin(QStringLiteral("authenticationToken"), TType::String, 1);
        m_protocol->writeString(authenticationToken);
    }
    m_protocol->writeFieldBegin(QStringLiteral("filter"), TType::Struct, 2);
    filter.write(*m_protocol);
    m_protocol->writeFieldBegin(QStringLiteral("offset"), TType::I32, 3);
    m_protocol->writeI32(offset);
    m_protocol->writeFieldBegin(QStringLiteral("maxNotes"), TType::I32, 4);
    m_protocol->writeI32(maxNotes);
    m_protocol->writeFieldStop();
    m_transport->flush();
}

void NoteStore::getNote(const QString &authenticationToken, const QString &guid)
{
    begin(QStringLiteral("getNote"), &NoteStore::slotGetNotes);
    m_protocol->writeFieldBegin(QStringLiteral("authenticationToken"), TType::String, 1);
    m_protocol->writeString(authenticationToken);
    m_protocol->writeFieldBegin(QStringLiteral("guid"), TType::String, 2);
    m_protocol->writeString(guid);
    m_protocol->writeFieldBegin(QStringLiteral("withContent"), TType::Bool, 3);
    m_protocol->writeBool(true);
    m_protocol->writeFieldBegin(QStringLiteral("withResourcesData"), TType::Bool, 4);
    m_protocol->writeBool(false);
    m_protocol->writeFieldBegin(QStringLiteral("withResourcesRecognition"), TType::Bool, 5);
    m_protocol->writeBool(false);
    m_protocol->writeFieldBegin(QStringLiteral("withResourcesAlternateData"), TType::Bool, 6);
    m_protocol->writeBool(false);
    m_protocol->writeFieldStop();
    m_transport->flush();
}

void NoteStore::createNote(const QString &authenticationToken, const Note &note)
{
    begin(QStringLiteral("createNote"), &NoteStore::slotCreateNote);
    m_protocol->writeFieldBegin(QStringLiteral("authenticationToken"), TType::String, 1);
    m_protocol->writeString(authenticationToken);
    m_protocol->writeFieldBegin(QStringLiteral("note"), TType::Struct, 2);
    note.write(*m_protocol);
    m_protocol->writeFieldStop();
    m_transport->flush();
}

void NoteStore::cancel()
{
    m_transport->abort();
}

void NoteStore::slotFindNotes(bool ok)
{
    NoteList notes;
    const EDAMErrorCode code = EDAMResult::read(*m_protocol, ok, [this, &notes](qint8 type) {
        return m_protocol->readField(type, TType::Struct, [this, &notes] { return notes.read(*m_protocol); });
    });
    if (code != EDAM::Success)
        notes = NoteList();
    emit signalFindNotesRes(code, notes);
}

void NoteStore::slotGetNotes(bool ok)
{
    Note note;
    const EDAMErrorCode code = EDAMResult::read(*m_protocol, ok, [this, &note](qint8 type) {
        return m_protocol->readField(type, TType::Struct, [this, &note] { return note.read(*m_protocol); });
    });
    if (code != EDAM::Success)
        note = Note();
    emit signalGetNoteRes(code, note);
}

void NoteStore::slotCreateNote(bool ok)
{
    Note created;
    const EDAMErrorCode code = EDAMResult::read(*m_protocol, ok, [this, &created](qint8 type) {
        return m_protocol->readField(type, TType::Struct, [this, &created] { return created.read(*m_protocol); });
    });
    emit signalCreateNoteRes(code);
}

} // namespace GammaLib
