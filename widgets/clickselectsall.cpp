#include "clickselectsall.h"

#include <QEvent>
#include <QLineEdit>

ClickSelectsAll::ClickSelectsAll(QLineEdit *field)
    : QObject(field)
    , m_field(field)
{
    field->installEventFilter(this);
}

bool ClickSelectsAll::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        m_pending = true;
    } else if (event->type() == QEvent::FocusOut) {
        m_pending = false;
    } else if (event->type() == QEvent::MouseButtonRelease && m_pending) {
        // The press has placed the cursor already; the release selects.
        m_pending = false;
        m_field->selectAll();
    }
    return QObject::eventFilter(watched, event);
}
