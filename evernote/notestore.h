#ifndef NOTESTORE_H
#define NOTESTORE_H

#include "edamerrorcode.h"
#include "note.h"
#include "notefilter.h"
#include "notelist.h"

#include <QObject>
#include <QString>
#include <QUrl>

namespace GammaLib {

class TBinaryProtocol;
class THttpClient;

// The user's note store: lists notes, fetches one note, creates a note.
// One call at a time; a new call drops the one still running.
class NoteStore : public QObject
{
    Q_OBJECT

public:
    explicit NoteStore(const QUrl &url, QObject *parent = nullptr);

    QUrl url() const;

    // "findNotes": the token only when not empty, the filter as given.
    void findNotes(const QString &authenticationToken, const NoteFilter &filter, qint32 offset,
                   qint32 maxNotes);
    // The filter the program lists with: newest first.
    static NoteFilter newestFirstFilter();
    // "getNote" with the content and without resource data, recognition or
    // alternate data.
    void getNote(const QString &authenticationToken, const QString &guid);
    // "createNote" with the note as given (title and content set).
    void createNote(const QString &authenticationToken, const Note &note);
    void cancel();

    THttpClient *transport() const { return m_transport; }

signals:
    void signalFindNotesRes(GammaLib::EDAMErrorCode code, const GammaLib::NoteList &notes);
    void signalGetNoteRes(GammaLib::EDAMErrorCode code, const GammaLib::Note &note);
    void signalCreateNoteRes(GammaLib::EDAMErrorCode code);

private slots:
    void slotFindNotes(bool ok);
    void slotGetNotes(bool ok);
    void slotCreateNote(bool ok);

private:
    void begin(const QString &name, void (NoteStore::*slot)(bool));

    THttpClient *m_transport;
    TBinaryProtocol *m_protocol;
};

} // namespace GammaLib

#endif
