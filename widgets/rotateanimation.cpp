#include "rotateanimation.h"

#include <QVariantAnimation>

RotateAnimation::RotateAnimation(QObject *parent)
    : QObject(parent)
{
    m_animation = new QVariantAnimation(this);
    m_animation->setStartValue(0.0);
    m_animation->setEndValue(360.0);
    m_animation->setDuration(1000);
    m_animation->setLoopCount(-1);
    connect(m_animation, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_angle = value.toReal();
        emit signalAngleChanged(m_angle);
    });
}

void RotateAnimation::setPeriod(int msecs)
{
    m_animation->setDuration(qMax(1, msecs));
}

int RotateAnimation::period() const
{
    return m_animation->duration();
}

void RotateAnimation::start()
{
    if (m_animation->state() != QAbstractAnimation::Running)
        m_animation->start();
}

void RotateAnimation::stop()
{
    m_animation->stop();
}

bool RotateAnimation::isRunning() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}
