#include "ringchart.h"

#include "themecolours.h"

#include <QPainter>

#include <algorithm>
#include <chrono>
#include <random>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#endif

namespace {

// Start angles vary from chart to chart; the generator is seeded once from
// the processor's time-stamp counter (a fast clock elsewhere).
int randomStartAngle()
{
    static std::mt19937 generator([] {
#if defined(__x86_64__) || defined(__i386__)
        return static_cast<std::mt19937::result_type>(__rdtsc());
#else
        return static_cast<std::mt19937::result_type>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count());
#endif
    }());
    return std::uniform_int_distribution<int>(0, 359)(generator);
}

} // namespace

RingChart::RingChart(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(m_outerDiameter, m_outerDiameter);
}

void RingChart::setDiameters(int outer, int inner)
{
    m_fontSize = qMax(8, m_fontSize * outer / qMax(1, m_outerDiameter));
    m_outerDiameter = outer;
    m_innerDiameter = qMin(inner, outer);
    setFixedSize(m_outerDiameter, m_outerDiameter);
    update();
}

QSize RingChart::sizeHint() const
{
    return QSize(m_outerDiameter, m_outerDiameter);
}

void RingChart::setValue(int span, const QString &text)
{
    m_span = std::clamp(span, 0, 360);
    m_text = text;
    m_startAngle = randomStartAngle();
    update();
}

void RingChart::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QRectF outer(0, 0, m_outerDiameter, m_outerDiameter);
    painter.setBrush(ThemeColours::tone(m_backgroundColor));
    painter.drawEllipse(outer);
    if (m_span != 0) {
        painter.setBrush(m_arcColor);
        painter.drawPie(outer, m_startAngle * 16, m_span * 16);
    }
    const qreal offset = (m_outerDiameter - m_innerDiameter) / 2.0;
    painter.setBrush(ThemeColours::tone(m_innerColor));
    painter.drawEllipse(QRectF(offset, offset, m_innerDiameter, m_innerDiameter));

    painter.setPen(QPen(ThemeColours::tone(Qt::black), 1, Qt::SolidLine));
    QFont font(QStringLiteral("Arial, Sans-serif"));
    font.setPointSize(m_fontSize);
    painter.setFont(font);
    painter.drawText(outer, Qt::AlignCenter, m_text);
}
