#include "fadeanimation.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QWidget>

FadeAnimation::FadeAnimation(QWidget *target, QObject *parent)
    : QObject(parent ? parent : target), m_target(target)
{
    m_animation = new QPropertyAnimation(this);
    m_animation->setPropertyName("opacity");
    m_animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(m_animation, &QPropertyAnimation::finished, this, &FadeAnimation::onFinished);
}

FadeAnimation::~FadeAnimation()
{
    m_animation->stop();
}

void FadeAnimation::setDuration(int msecs)
{
    m_duration = qMax(0, msecs);
}

void FadeAnimation::fadeIn()
{
    if (!m_target)
        return;
    m_fadingOut = false;
    const qreal from = m_target->isVisible() && m_effect ? m_effect->opacity() : 0.0;
    m_target->show();
    start(from, 1.0);
}

void FadeAnimation::fadeOut()
{
    if (!m_target)
        return;
    m_fadingOut = true;
    start(m_effect ? m_effect->opacity() : 1.0, 0.0);
}

void FadeAnimation::start(qreal from, qreal to)
{
    m_animation->stop();
    if (!m_effect) {
        // The widget owns the effect; it is created once and reused.
        m_effect = new QGraphicsOpacityEffect(m_target);
        m_target->setGraphicsEffect(m_effect);
    }
    m_effect->setEnabled(true);
    m_effect->setOpacity(from);
    m_animation->setTargetObject(m_effect);
    m_animation->setDuration(m_duration);
    m_animation->setStartValue(from);
    m_animation->setEndValue(to);
    m_animation->start();
}

void FadeAnimation::stop()
{
    m_animation->stop();
    if (m_effect) {
        m_effect->setOpacity(1.0);
        m_effect->setEnabled(false);
    }
    m_fadingOut = false;
}

bool FadeAnimation::isRunning() const
{
    return m_animation->state() == QAbstractAnimation::Running;
}

qreal FadeAnimation::opacity() const
{
    return m_effect && m_effect->isEnabled() ? m_effect->opacity() : 1.0;
}

void FadeAnimation::onFinished()
{
    if (m_fadingOut) {
        m_fadingOut = false;
        if (m_target && m_hideAtEnd) {
            m_target->hide();
            // Ready to be shown again at full strength.
            if (m_effect) {
                m_effect->setOpacity(1.0);
                m_effect->setEnabled(false);
            }
        }
    } else if (m_effect) {
        // Fully shown: drop the effect's off-screen rendering.
        m_effect->setEnabled(false);
    }
    emit signalFinished();
}
