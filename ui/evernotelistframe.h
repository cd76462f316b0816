#ifndef EVERNOTELISTFRAME_H
#define EVERNOTELISTFRAME_H

#include "edamerrorcode.h"
#include "notelist.h"

#include <QFrame>
#include <QList>
#include <QString>

class NoteItemWidget;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class RotatingPicture;

namespace GammaLib {
class Evernote;
}

// The note browser shown after a listing: the notes newest first, a search
// box, and a preview of the selected note. Texts are fetched one after
// another in the background; a note that fails to load can be fetched again
// with "Reload". Ends with the chosen note's plain text (empty on Close).
class EvernoteListFrame : public QFrame
{
    Q_OBJECT
public:
    explicit EvernoteListFrame(QWidget *parent = nullptr);

    // The façade whose note store made the listing; note texts come from it.
    void setEvernote(GammaLib::Evernote *evernote);
    // Fills the list with a listing, in its order.
    void setNotes(const GammaLib::NoteList &notes);

    int count() const { return m_items.size(); }
    int selectedIndex() const { return m_selected; }
    NoteItemWidget *item(int index) const { return m_items.value(index); }
    QString noteText(int index) const;
    bool isLoaded(int index) const;
    bool isCancelled() const { return m_cancelled; }
    // For the tests and the screenshots.
    QLineEdit *searchField() const { return m_search; }
    QPushButton *openButton() const { return m_open; }
    QLabel *errorLabel() const { return m_error; }
    QLabel *previewTitle() const { return m_previewTitle; }
    QString previewText() const;
    bool loadingShown() const;
    QScrollArea *scrollArea() const { return m_scroll; }

    // ENML as rich text, then its plain text.
    static QString plainTextOf(const QString &enml);

signals:
    void signalFinished(const QString &text);

public slots:
    void slotOpenClicked();
    void slotCloseClicked();
    void slotNoteSelected(int index);
    void slotSearchTextChanged(const QString &text);
    void slotScrollRangeChanged(int min, int max);
    void slotGetNote(GammaLib::EDAMErrorCode code);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Entry
    {
        GammaLib::Note note;
        QString text;
        bool loaded = false;
    };

    void clearPreview();
    void request(int index);
    void fetchNext(int after);
    void showLoading(bool shown);
    void fitItems();
    void finish(const QString &text);

    GammaLib::Evernote *m_evernote = nullptr;
    QList<Entry> m_entries;
    QList<NoteItemWidget *> m_items;
    int m_selected = -1;
    int m_loading = -1; // the note whose text is being fetched
    bool m_cancelled = false;
    QLineEdit *m_search = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_listHost = nullptr;
    QVBoxLayout *m_listLayout = nullptr;
    QLabel *m_previewTitle = nullptr;
    QPlainTextEdit *m_previewText = nullptr;
    QLabel *m_error = nullptr;
    RotatingPicture *m_loadingPicture = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_close = nullptr;
};

#endif
