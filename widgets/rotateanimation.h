#ifndef ROTATEANIMATION_H
#define ROTATEANIMATION_H

#include <QObject>

class QVariantAnimation;

// An endless turn from 0 to 360 degrees; whoever paints the picture reads
// angle() or listens to signalAngleChanged().
class RotateAnimation : public QObject
{
    Q_OBJECT
public:
    explicit RotateAnimation(QObject *parent = nullptr);

    // Milliseconds for one full turn.
    void setPeriod(int msecs);
    int period() const;

    void start();
    void stop();
    bool isRunning() const;
    qreal angle() const { return m_angle; }

signals:
    void signalAngleChanged(qreal angle);

private:
    QVariantAnimation *m_animation = nullptr;
    qreal m_angle = 0.0;
};

#endif
