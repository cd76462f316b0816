#ifndef TRANSIENTNOTICE_H
#define TRANSIENTNOTICE_H

#include <QLabel>

class FadeAnimation;
class QTimer;

// A short message in the lower left of a window ("Successfully copied.")
// that stays for a few seconds and then fades away. It is 10 pixels wider
// than its text, lets the mouse through, and keeps its corner when the
// window is resized.
class TransientNotice : public QLabel
{
    Q_OBJECT
public:
    explicit TransientNotice(QWidget *parent);

    // Distance from the parent's left and bottom edges.
    void setAnchorMargins(int left, int bottom);
    void setFadeDuration(int msecs);
    int defaultHoldTime() const { return 3000; }

    bool isShowing() const;

signals:
    // The notice has faded out (or was dismissed) and is hidden.
    void signalHidden();

public slots:
    // Shows text at once, replacing any notice still up, and fades it out
    // after holdMsecs.
    void showText(const QString &text, int holdMsecs = 3000);
    void dismiss();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
    void onFaded();

    QTimer *m_hold = nullptr;
    FadeAnimation *m_fade = nullptr;
    int m_left = 20;
    int m_bottom = 24;
};

#endif
