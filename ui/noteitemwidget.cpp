#include "noteitemwidget.h"
#include "themecolours.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QVBoxLayout>

NoteItemWidget::NoteItemWidget(int index, const QString &title, qint64 createdMs, QWidget *parent)
    : QFrame(parent)
    , m_index(index)
    , m_title(title)
{
    setObjectName(QStringLiteral("NoteItemWidget"));
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_StyledBackground);
    setProperty("selected", false);
    setStyleSheet(ThemeColours::themed(QStringLiteral(
        "#NoteItemWidget{background:#ffffff;border-bottom:1px solid #e6e6e6;}"
        "#NoteItemWidget[selected=\"true\"]{background:#e3f3fb;}"
        "QLabel{background:transparent;}"
        "#noteTitle{font-weight:bold;color:#333333;}"
        "#noteDate{color:#999999;}"
        "#noteText{color:#666666;}")));

    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("noteTitle"));
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_dateLabel = new QLabel(formatDate(createdMs), this);
    m_dateLabel->setObjectName(QStringLiteral("noteDate"));
    m_textLabel = new QLabel(this);
    m_textLabel->setObjectName(QStringLiteral("noteText"));
    m_textLabel->setTextFormat(Qt::PlainText);
    m_textLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_textLabel->hide();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(3);
    auto *top = new QHBoxLayout;
    top->addWidget(m_titleLabel, 1);
    top->addWidget(m_dateLabel);
    layout->addLayout(top);
    layout->addWidget(m_textLabel);
    m_titleLabel->setText(title);
}

QString NoteItemWidget::formatDate(qint64 createdMs)
{
    return QDateTime::fromMSecsSinceEpoch(createdMs).toLocalTime().toString(QStringLiteral("yyyy/MM/dd"));
}

QString NoteItemWidget::dateText() const
{
    return m_dateLabel->text();
}

void NoteItemWidget::setText(const QString &text)
{
    m_text = text;
    // One line of the text under the title.
    QString line = text.simplified();
    if (line.size() > 120)
        line = line.left(117) + QStringLiteral("...");
    m_textLabel->setText(line);
    m_textLabel->setVisible(!line.isEmpty());
}

void NoteItemWidget::setSelected(bool selected)
{
    m_selected = selected;
    setProperty("selected", selected);
    style()->unpolish(this);
    style()->polish(this);
}

void NoteItemWidget::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void NoteItemWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QFrame::mouseReleaseEvent(event);
    if (click)
        emit signalClicked(m_index);
}
