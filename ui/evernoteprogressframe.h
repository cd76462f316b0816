#ifndef EVERNOTEPROGRESSFRAME_H
#define EVERNOTEPROGRESSFRAME_H

#include "edamerrorcode.h"

#include <QFrame>
#include <QPointer>
#include <QString>

class EvernoteWindow;
class QLabel;
class QPushButton;
class QTimer;
class RotatingPicture;

namespace GammaLib {
class Evernote;
}

// The small panel that runs one note-service command: it authorises first
// when no access token is stored, asks for the token, lists the newest notes
// (open) or saves the text as a note (save), shows each step, and ends with
// a message and a five-second countdown, or at once when a listing is ready
// for the note list.
class EvernoteProgressFrame : public QFrame
{
    Q_OBJECT
public:
    enum Mode { NoMode = 255, OpenMode = 0, SaveMode = 1 };

    static constexpr int MaxNotes = 50;
    static constexpr int CountdownSeconds = 5;

    explicit EvernoteProgressFrame(QWidget *parent = nullptr);
    ~EvernoteProgressFrame() override;

    // Starts a command. Saving takes the editor's plain text.
    void start(Mode mode, const QString &text = QString());

    int mode() const { return m_mode; }
    bool isCancelled() const { return m_cancelled; }
    bool isFinished() const { return m_finished; }
    // The last command's result code (EDAM::Success when it worked).
    GammaLib::EDAMErrorCode resultCode() const { return m_code; }
    // True when an open command has a listing for the note list.
    bool listingReady() const { return m_mode == OpenMode && m_finished && m_code == GammaLib::EDAM::Success; }

    GammaLib::Evernote *evernote() const { return m_evernote; }
    EvernoteWindow *authorizationWindow() const;
    QString message() const;
    QString buttonText() const;
    int remainingSeconds() const { return m_remaining; }
    QString savedTitle() const { return m_title; }

signals:
    void signalFinished();
    void signalCancel();

public slots:
    void slotCheckVersion(bool ok);
    void slotAccessToken(bool ok);
    void slotShowInfo(GammaLib::EvernoteProgress step);
    void slotFinished(GammaLib::EDAMErrorCode code);
    void slotCountDown();
    void slotClicked();

private slots:
    void slotWindowFinished(int result);

private:
    void begin();
    void runRequest();
    void showError(const QString &text);
    void showOutcome(const QString &text);
    void finish();
    void dropWindow();
    void storeToken(const QString &token);

    int m_mode = NoMode;
    QString m_token;
    QString m_text;
    QString m_title;
    bool m_cancelled = false;
    bool m_finished = false;
    bool m_working = false;
    int m_remaining = CountdownSeconds;
    QString m_buttonBase;
    GammaLib::EDAMErrorCode m_code = 0;
    GammaLib::Evernote *m_evernote = nullptr;
    QPointer<EvernoteWindow> m_window;
    QTimer *m_countdown = nullptr;
    QLabel *m_label = nullptr;
    RotatingPicture *m_loading = nullptr;
    QPushButton *m_button = nullptr;
};

#endif
