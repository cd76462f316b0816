#include "evernote.h"

#include "enml.h"
#include "notestore.h"
#include "userstore.h"

namespace GammaLib {

Evernote::Evernote(QObject *parent)
    : QObject(parent)
    , m_userStore(new UserStore(this))
{
    connect(m_userStore, &UserStore::signalGetNoteStoreUrlRes, this, &Evernote::slotGetNoteStoreUrl);
}

QString Evernote::cleanTitle(const QString &title)
{
    QString clean;
    for (const QChar c : title) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t') || c == QChar(0x2028)
            || c == QChar(0x2029))
            clean += QLatin1Char(' ');
        else if (c.unicode() >= 0x20 && c.unicode() != 0xFFFE && c.unicode() != 0xFFFF)
            clean += c;
    }
    clean = clean.simplified();
    if (clean.size() > 255) {
        clean.truncate(255);
        if (clean.at(254).isHighSurrogate())
            clean.chop(1);
        clean = clean.trimmed();
    }
    return clean.isEmpty() ? QStringLiteral("Untitled") : clean;
}

void Evernote::listNotes(const QString &token, qint32 offset, qint32 maxNotes)
{
    cancel();
    m_request = ListNotes;
    m_token = token;
    m_offset = offset;
    m_maxNotes = maxNotes;
    m_notes = NoteList();
    askForNoteStore();
}

void Evernote::getNote(const QString &guid)
{
    cancel();
    m_request = GetNote;
    m_guid = guid;
    m_note = Note();
    if (m_noteStore)
        runNoteCall();
    else
        askForNoteStore();
}

void Evernote::saveNote(const QString &token, const QString &title, const QString &text)
{
    cancel();
    m_request = SaveNote;
    m_token = token;
    m_title = title;
    m_text = text;
    askForNoteStore();
}

void Evernote::cancel()
{
    m_userStore->cancel();
    if (m_noteStore)
        m_noteStore->cancel();
    m_request = None;
}

void Evernote::askForNoteStore()
{
    emit signalInfo(GeneratingNoteUrl);
    m_userStore->getNoteStoreUrl(m_token);
}

void Evernote::slotGetNoteStoreUrl(EDAMErrorCode code, const QString &url)
{
    if (m_request == None)
        return;
    if (code != EDAM::Success) {
        finish(code);
        return;
    }
    if (!m_noteStore || m_noteStore->url() != QUrl(url)) {
        delete m_noteStore;
        m_noteStore = new NoteStore(QUrl(url), this);
        connect(m_noteStore, &NoteStore::signalFindNotesRes, this, &Evernote::slotFindNotes);
        connect(m_noteStore, &NoteStore::signalGetNoteRes, this, &Evernote::slotGetNote);
        connect(m_noteStore, &NoteStore::signalCreateNoteRes, this, &Evernote::slotCreateNote);
    }
    m_noteStoreUrl = url;
    runNoteCall();
}

void Evernote::runNoteCall()
{
    switch (m_request) {
    case ListNotes:
        emit signalInfo(FetchingNotes);
        m_noteStore->findNotes(m_token, NoteStore::newestFirstFilter(), m_offset, m_maxNotes);
        break;
    case GetNote:
        m_noteStore->getNote(m_token, m_guid);
        break;
    case SaveNote: {
        emit signalInfo(CreatingNote);
        Note note;
        note.title = cleanTitle(m_title);
        note.isset.title = true;
        note.content = Enml::fromPlainText(m_text);
        note.isset.content = true;
        m_noteStore->createNote(m_token, note);
        break;
    }
    case None:
        break;
    }
}

void Evernote::slotFindNotes(EDAMErrorCode code, const NoteList &notes)
{
    if (m_request != ListNotes)
        return;
    m_notes = notes;
    finish(code);
}

void Evernote::slotGetNote(EDAMErrorCode code, const Note &note)
{
    if (m_request != GetNote)
        return;
    m_note = note;
    finish(code);
}

void Evernote::slotCreateNote(EDAMErrorCode code)
{
    if (m_request != SaveNote)
        return;
    finish(code);
}

void Evernote::finish(EDAMErrorCode code)
{
    m_finishedRequest = m_request;
    m_request = None;
    emit signalFinished(code);
}

} // namespace GammaLib
