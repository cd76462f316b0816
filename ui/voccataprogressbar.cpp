#include "voccataprogressbar.h"

#include "reportfigures.h"
#include "voccatalabel.h"

#include <QEnterEvent>
#include <QMouseEvent>

#include <algorithm>

VocCataProgressBar::VocCataProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    QProgressBar::setValue(0);
    setTextVisible(false);
    setMouseTracking(true);
    installEventFilter(this);
}

// The tooltip is a window of its own: it must not outlive its bar.
VocCataProgressBar::~VocCataProgressBar()
{
    closeTooltip();
}

void VocCataProgressBar::setValue(int percentage, int count, const QString &text)
{
    m_value = std::clamp(percentage, 0, 100);
    m_count = count;
    m_text = text;
    QProgressBar::setValue(m_value);
}

QString VocCataProgressBar::tooltipText() const
{
    return ReportFigures::levelTooltip(m_text, m_count);
}

void VocCataProgressBar::showTooltip(const QPoint &globalPos)
{
    if (m_tooltip)
        return;
    m_tooltip = new VocCataLabel(tooltipText());
    m_tooltip->setStyleSheet(tooltipStyle());
    m_tooltip->popUp(globalPos);
}

void VocCataProgressBar::closeTooltip()
{
    if (m_tooltip)
        m_tooltip->close();
}

bool VocCataProgressBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::Enter:
            showTooltip(static_cast<QEnterEvent *>(event)->globalPosition().toPoint());
            break;
        case QEvent::MouseMove:
            showTooltip(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            break;
        case QEvent::Leave:
        case QEvent::Hide:
            closeTooltip();
            break;
        default:
            break;
        }
    }
    return QProgressBar::eventFilter(watched, event);
}
