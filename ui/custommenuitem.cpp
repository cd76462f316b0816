#include "custommenuitem.h"

#include "profanity.h"
#include "themecolours.h"

#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>

CustomMenuItem::CustomMenuItem(int index, const QString &text, QWidget *parent)
    : QFrame(parent)
    , m_index(index)
    , m_normal(QStringLiteral(":/MainWnd/Resources/op_normal.png"))
    , m_hover(QStringLiteral(":/MainWnd/Resources/op_hover.png"))
{
    setObjectName(QStringLiteral("CustomMenuItem"));
    setCursor(Qt::PointingHandCursor);
    setMinimumHeight(28);
    setAttribute(Qt::WA_Hover);
    setStyleSheet(ThemeColours::themed(QStringLiteral(
        "CustomMenuItem{background-color: transparent; border-radius: 3px;}"
        "CustomMenuItem:hover{background-color: #e9f1fb;}"
        "QLabel{font:10pt \"Arial, Sans-serif\"; color:#333333;}")));

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(10);
    layout->setContentsMargins(10, 0, 10, 0);
    m_label = new QLabel(text, this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    // The row is what is clicked: it carries the candidate as its name.
    setAccessibleName(text);
    layout->addWidget(m_label, 1);
    if (isProfane(text)) {
        m_icon = new QLabel(this);
        m_icon->setFixedSize(16, 16);
        m_icon->setPixmap(m_normal);
        m_icon->installEventFilter(this);
        layout->addWidget(m_icon);
    }
}

QString CustomMenuItem::text() const
{
    return m_label->text();
}

void CustomMenuItem::enterEvent(QEnterEvent *event)
{
    if (m_icon)
        m_icon->setPixmap(m_hover);
    QFrame::enterEvent(event);
}

void CustomMenuItem::leaveEvent(QEvent *event)
{
    if (m_icon)
        m_icon->setPixmap(m_normal);
    QFrame::leaveEvent(event);
}

void CustomMenuItem::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    // A press that wandered off the row before its release chooses nothing.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    const int index = m_index;
    // A receiver may retire the mark and so delete this row.
    QPointer<CustomMenuItem> self(this);
    emit signalClicked();
    if (self)
        emit signalClicked(index);
}

bool CustomMenuItem::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_icon) {
        if (event->type() == QEvent::Enter)
            emit signalShowTip();
        else if (event->type() == QEvent::Leave)
            emit signalHideTip();
    }
    return QFrame::eventFilter(watched, event);
}
