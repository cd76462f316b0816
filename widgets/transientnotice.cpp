#include "transientnotice.h"

#include "fadeanimation.h"

#include <QEvent>
#include <QTimer>

TransientNotice::TransientNotice(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("TransientNotice"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("#TransientNotice { background: rgba(40, 40, 40, 210); color: #ffffff;"
                                 " border-radius: 4px; padding: 0px; }"));

    m_hold = new QTimer(this);
    m_hold->setSingleShot(true);
    m_fade = new FadeAnimation(this, this);
    m_fade->setDuration(600);
    connect(m_hold, &QTimer::timeout, m_fade, &FadeAnimation::fadeOut);
    connect(m_fade, &FadeAnimation::signalFinished, this, &TransientNotice::onFaded);

    if (parent)
        parent->installEventFilter(this);
    hide();
}

void TransientNotice::setAnchorMargins(int left, int bottom)
{
    m_left = left;
    m_bottom = bottom;
    if (isVisible())
        place();
}

void TransientNotice::setFadeDuration(int msecs)
{
    m_fade->setDuration(msecs);
}

bool TransientNotice::isShowing() const
{
    return isVisible();
}

void TransientNotice::showText(const QString &text, int holdMsecs)
{
    m_hold->stop();
    m_fade->stop();
    setText(text);
    place();
    show();
    raise();
    m_hold->start(qMax(0, holdMsecs));
}

void TransientNotice::dismiss()
{
    if (!isVisible() && !m_hold->isActive() && !m_fade->isRunning())
        return;
    m_hold->stop();
    m_fade->stop();
    hide();
    emit signalHidden();
}

void TransientNotice::place()
{
    // 10 pixels wider than the text; tall enough for the widest line.
    const QFontMetrics metrics = fontMetrics();
    const QStringList lines = text().split(QLatin1Char('\n'));
    int textWidth = 0;
    for (const QString &line : lines)
        textWidth = qMax(textWidth, metrics.horizontalAdvance(line));
    const int h = metrics.height() * int(lines.size()) + 12;
    resize(textWidth + 10, h);
    if (QWidget *parent = parentWidget())
        move(m_left, parent->height() - m_bottom - h);
}

bool TransientNotice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        place();
    return QLabel::eventFilter(watched, event);
}

void TransientNotice::onFaded()
{
    if (!isVisible())
        emit signalHidden();
}
