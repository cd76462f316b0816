#ifndef FADEANIMATION_H
#define FADEANIMATION_H

#include <QObject>
#include <QPointer>

class QGraphicsOpacityEffect;
class QPropertyAnimation;
class QWidget;

// Fades a widget in or out through an opacity effect. A fade-out hides the
// widget at the end (unless told not to). signalFinished() follows every
// fade that runs to its end; stop() ends a fade without it.
class FadeAnimation : public QObject
{
    Q_OBJECT
public:
    explicit FadeAnimation(QWidget *target, QObject *parent = nullptr);
    ~FadeAnimation() override;

    QWidget *target() const { return m_target; }
    int duration() const { return m_duration; }
    void setDuration(int msecs);
    void setHideWhenFadedOut(bool hide) { m_hideAtEnd = hide; }

    void fadeIn();
    void fadeOut();
    void stop();
    bool isRunning() const;
    bool isFadingOut() const { return m_fadingOut; }
    // The opacity now applied to the widget (1 when no fade is applied).
    qreal opacity() const;

signals:
    void signalFinished();

private:
    void start(qreal from, qreal to);
    void onFinished();

    QPointer<QWidget> m_target;
    QPointer<QGraphicsOpacityEffect> m_effect;
    QPropertyAnimation *m_animation = nullptr;
    int m_duration = 300;
    bool m_hideAtEnd = true;
    bool m_fadingOut = false;
};

#endif
