#include "rotatingpicture.h"

#include "glyphpainter.h"
#include "rotateanimation.h"

#include <QPainter>

RotatingPicture::RotatingPicture(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    m_rotation = new RotateAnimation(this);
    connect(m_rotation, &RotateAnimation::signalAngleChanged, this, qOverload<>(&QWidget::update));
}

void RotatingPicture::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    updateGeometry();
    update();
}

void RotatingPicture::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void RotatingPicture::start()
{
    m_rotation->start();
}

void RotatingPicture::stop()
{
    m_rotation->stop();
}

bool RotatingPicture::isRunning() const
{
    return m_rotation->isRunning();
}

QSize RotatingPicture::sizeHint() const
{
    if (!m_pixmap.isNull())
        return m_pixmap.deviceIndependentSize().toSize();
    return QSize(32, 32);
}

void RotatingPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPointF centre = QRectF(rect()).center();
    painter.translate(centre);
    painter.rotate(m_rotation->angle());
    painter.translate(-centre);
    if (m_pixmap.isNull()) {
        GlyphPainter::paint(&painter, GlyphPainter::Spinner, QRectF(rect()), m_color);
        return;
    }
    // Scaled down to fit, never up.
    QSizeF size = m_pixmap.deviceIndependentSize();
    if (size.width() > width() || size.height() > height())
        size.scale(QSizeF(this->size()), Qt::KeepAspectRatio);
    QRectF target(QPointF(), size);
    target.moveCenter(centre);
    painter.drawPixmap(target, m_pixmap, QRectF(m_pixmap.rect()));
}
