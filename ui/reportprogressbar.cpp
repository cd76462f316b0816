#include "reportprogressbar.h"

#include "themecolours.h"

#include <QPainter>

#include <algorithm>

static void initReportResources()
{
    Q_INIT_RESOURCE(report);
}

void ReportProgressBar::ensureResources()
{
    static const bool loaded = [] {
        initReportResources();
        return true;
    }();
    Q_UNUSED(loaded);
}

ReportProgressBar::ReportProgressBar(QWidget *parent)
    : QLabel(parent)
{
    ensureResources();
    m_vocabulary.load(vocabularyPicture());
    m_structure.load(structurePicture());
    m_empty.load(emptyPicture());
    // The empty cells are pale grey for a light window; a dark one gets them dark.
    m_empty = QPixmap::fromImage(ThemeColours::toned(m_empty.toImage(), palette()));
    setFixedSize(sizeHint());
}

QSize ReportProgressBar::sizeHint() const
{
    const int height = m_empty.isNull() ? 14 : m_empty.height();
    return QSize(m_stepWidth * MaxValue, height);
}

QSize ReportProgressBar::minimumSizeHint() const
{
    return sizeHint();
}

void ReportProgressBar::setValue(int value, bool kind)
{
    m_value = std::clamp(value, 0, int(MaxValue));
    m_kind = kind;
    update();
}

void ReportProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap &filled = m_kind ? m_vocabulary : m_structure;
    const int split = std::min(m_value * m_stepWidth, width());
    const int height = this->height();
    if (split > 0)
        painter.drawPixmap(QRect(0, 0, split, height), filled, QRect(0, 0, split, filled.height()));
    if (split < width())
        painter.drawPixmap(QRect(split, 0, width() - split, height), m_empty,
                           QRect(split, 0, width() - split, m_empty.height()));
}
