#include "voccatalabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimeLine>
#include <QTimer>

VocCataLabel::VocCataLabel(const QString &text, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);

    m_label = new QLabel(text, this);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    setFixedSize(m_label->fontMetrics().horizontalAdvance(text) + ExtraWidth,
                 m_label->fontMetrics().height() + 12);

    m_fadeIn = new QTimeLine(FadeMs, this);
    m_fadeIn->setFrameRange(0, 100);
    connect(m_fadeIn, &QTimeLine::frameChanged, this, &VocCataLabel::slotFading);
    connect(m_fadeIn, &QTimeLine::finished, this, &VocCataLabel::slotFadeInFinished);
    m_fadeOut = new QTimeLine(FadeMs, this);
    m_fadeOut->setFrameRange(0, 100);
    m_fadeOut->setDirection(QTimeLine::Backward);
    connect(m_fadeOut, &QTimeLine::frameChanged, this, &VocCataLabel::slotFading);
}

QString VocCataLabel::text() const
{
    return m_label->text();
}

void VocCataLabel::popUp(const QPoint &globalPos)
{
    move(globalPos);
    setWindowOpacity(0.0);
    show();
    m_fadeIn->start();
}

void VocCataLabel::slotFading(int frame)
{
    setWindowOpacity(frame / 100.0);
}

void VocCataLabel::slotFadeInFinished()
{
    QTimer::singleShot(HoldMs, this, [this] { m_fadeOut->start(); });
}
