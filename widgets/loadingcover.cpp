#include "loadingcover.h"

#include "kitresources.h"

#include <QEvent>

LoadingCover::LoadingCover(QWidget *parent)
    : RotatingPicture(parent)
{
    KitResources::ensureLoaded();
    setPixmap(QPixmap(KitResources::loadingImage()));
    hide();
    if (parent)
        parent->installEventFilter(this);
}

void LoadingCover::setArea(QWidget *area)
{
    if (m_area)
        m_area->removeEventFilter(this);
    m_area = area;
    if (m_area)
        m_area->installEventFilter(this);
    place();
}

void LoadingCover::setShown(bool shown)
{
    setVisible(shown);
    if (shown) {
        place();
        raise();
        start();
    } else {
        stop();
    }
}

bool LoadingCover::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
        place();
    return RotatingPicture::eventFilter(watched, event);
}

void LoadingCover::place()
{
    QWidget *window = parentWidget();
    if (!window)
        return;
    resize(sizeHint());
    const QRect area = m_area ? m_area->geometry() : window->rect();
    move(area.center() - QPoint(width() / 2, height() / 2));
}
