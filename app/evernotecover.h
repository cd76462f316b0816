#ifndef EVERNOTECOVER_H
#define EVERNOTECOVER_H

#include "overlay.h"

class EvernoteListFrame;
class EvernoteProgressFrame;

// The dimmed cover over the whole window that holds the note service's
// progress panel and, for opening, its note list.
class EvernoteCover : public Overlay
{
    Q_OBJECT

public:
    explicit EvernoteCover(QWidget *parent);

    EvernoteProgressFrame *progressFrame() const { return m_progress; }
    EvernoteListFrame *listFrame() const { return m_list; }

    // Shows the progress panel in the mode (EvernoteProgressFrame::Mode)
    // with the text to save.
    void start(int mode, const QString &text);
    // The progress panel is done: true when the cover went away, false when
    // the listing goes on in the note list.
    bool progressFinished();
    // The note list is done.
    void listFinished();

private:
    EvernoteProgressFrame *m_progress;
    EvernoteListFrame *m_list;
};

#endif
