#include "elidedlabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

ElidedLabel::ElidedLabel(QWidget *parent)
    : ElidedLabel(QString(), parent)
{
}

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void ElidedLabel::setElideMode(Qt::TextElideMode mode)
{
    m_mode = mode;
    updateToolTip();
    update();
}

QString ElidedLabel::displayedText() const
{
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    // Only the first line is shown.
    const QString line = text().section(QLatin1Char('\n'), 0, 0);
    return fontMetrics().elidedText(line, m_mode, qMax(0, area.width()));
}

bool ElidedLabel::isElided() const
{
    return displayedText() != text();
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QSize hint = QLabel::minimumSizeHint();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) + 2 * margin(),
                 hint.height());
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    // QLabel::setText() is not virtual; the tool tip catches up here.
    updateToolTip();
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                          palette(), isEnabled(), displayedText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

bool ElidedLabel::event(QEvent *event)
{
    const bool result = QLabel::event(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::Polish)
        updateToolTip();
    return result;
}

void ElidedLabel::updateToolTip()
{
    // Only touch a tool tip this label set itself.
    if (isElided()) {
        if (toolTip().isEmpty() || m_ownToolTip) {
            setToolTip(text());
            m_ownToolTip = true;
        }
    } else if (m_ownToolTip) {
        setToolTip(QString());
        m_ownToolTip = false;
    }
}
