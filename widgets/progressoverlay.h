#ifndef PROGRESSOVERLAY_H
#define PROGRESSOVERLAY_H

#include "overlay.h"

class FadeAnimation;
class QLabel;
class QProgressBar;
class QPushButton;
class QVariantAnimation;
class RotatingPicture;

// The cover shown over the editor while a review runs: a turning picture, a
// progress bar with its percentage and a Cancel button.
//
// start() shows it at 0 %; setValue() or setProgress() move the bar; a
// press on Cancel emits signalCancel() once. finish() plays the closing
// animation: the bar runs to 100 %, signalFinished() is emitted (the
// results can be shown), and the cover fades out over them, letting go of
// the keyboard and the mouse meanwhile, then hides itself. stop() hides it
// at once, without a signal. Cancel is disabled once the closing animation
// has begun, so a review can never be both cancelled and finished.
class ProgressOverlay : public Overlay
{
    Q_OBJECT
public:
    enum State { Idle, Running, Finishing, Fading };

    explicit ProgressOverlay(QWidget *parent);

    State state() const { return m_state; }
    int value() const { return m_value; }

    // Percentage of received results: received ÷ total × 100, truncated and
    // kept within 1 and 99 while results are still coming (1 when total is
    // not positive).
    static int progressPercent(int received, int total);

    void setText(const QString &text);
    QString text() const;
    // Durations of the closing animation's two steps, in milliseconds: the
    // bar's run over its whole length (a finish from 99% takes a hundredth)
    // and the fade.
    void setFinishDurations(int runToFull, int fadeOut);

    QPushButton *cancelButton() const { return m_cancel; }
    QProgressBar *progressBar() const { return m_bar; }
    RotatingPicture *picture() const { return m_picture; }

signals:
    void signalCancel();
    void signalFinished();

public slots:
    void start();
    void setValue(int percent);
    void setProgress(int received, int total);
    void finish();
    void stop();

private:
    void onCancelClicked();
    void onRunFinished();
    void onFadeFinished();

    QLabel *m_text = nullptr;
    QLabel *m_percent = nullptr;
    QProgressBar *m_bar = nullptr;
    QPushButton *m_cancel = nullptr;
    RotatingPicture *m_picture = nullptr;
    QVariantAnimation *m_run = nullptr;
    int m_runToFull = 300; // ms for the whole bar; finish() runs only what is left
    FadeAnimation *m_fade = nullptr;
    State m_state = Idle;
    int m_value = 0;
};

#endif
