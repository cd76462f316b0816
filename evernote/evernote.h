#ifndef EVERNOTE_H
#define EVERNOTE_H

#include "edamerrorcode.h"
#include "note.h"
#include "notelist.h"

#include <QObject>
#include <QString>

namespace GammaLib {

class NoteStore;
class UserStore;

// What the open and save panels use of the note service: list the newest
// notes, fetch one note's content, save a text as a new note. Every request
// ends with signalFinished() and its code (EDAM::Success when it worked);
// its result is then read with notes() or note().
class Evernote : public QObject
{
    Q_OBJECT

public:
    enum Request { None, ListNotes, GetNote, SaveNote };

    explicit Evernote(QObject *parent = nullptr);

    // Asks the user store for the note store, then lists notes newest first.
    void listNotes(const QString &token, qint32 offset, qint32 maxNotes);
    // Fetches a listed note's content through the note store of the listing
    // (asking for the note store first when there is none yet).
    void getNote(const QString &guid);
    // Asks the user store for the note store, then creates a note with the
    // title and the plain text as ENML.
    void saveNote(const QString &token, const QString &title, const QString &text);
    // Drops the running request; no signal follows.
    void cancel();

    Request currentRequest() const { return m_request; }
    // The request whose end signalFinished() is reporting (or last reported):
    // a slot can tell a listing's end from a note's even when another
    // listener has already started the next request.
    Request finishedRequest() const { return m_finishedRequest; }
    NoteList notes() const { return m_notes; }
    Note note() const { return m_note; }
    QString noteStoreUrl() const { return m_noteStoreUrl; }

    // The title as the service accepts it: on one line, without characters
    // XML cannot carry, trimmed, at most 255 characters; "Untitled" if empty.
    static QString cleanTitle(const QString &title);

signals:
    void signalFinished(GammaLib::EDAMErrorCode code);
    void signalInfo(GammaLib::EvernoteProgress step);

public slots:
    void slotGetNoteStoreUrl(GammaLib::EDAMErrorCode code, const QString &url);
    void slotFindNotes(GammaLib::EDAMErrorCode code, const GammaLib::NoteList &notes);
    void slotGetNote(GammaLib::EDAMErrorCode code, const GammaLib::Note &note);
    void slotCreateNote(GammaLib::EDAMErrorCode code);

private:
    void askForNoteStore();
    void runNoteCall();
    void finish(EDAMErrorCode code);

    QString m_token;
    QString m_noteStoreUrl;
    qint32 m_offset = 0;
    qint32 m_maxNotes = 50;
    QString m_title;
    QString m_text;
    QString m_guid;
    Request m_request = None;
    Request m_finishedRequest = None;
    NoteList m_notes;
    Note m_note;
    UserStore *m_userStore = nullptr;
    NoteStore *m_noteStore = nullptr;
};

} // namespace GammaLib

#endif
