#include "customaction.h"

#include "contextmenuresources.h"
#include "profanity.h"
#include "themecolours.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

namespace {

const char *const kRowNormal = "QWidget{background-color: transparent}";
const char *const kRowHovered = "QWidget{background-color: #1872d9}";
const char *const kTextNormal = "QLabel{padding: 3px 8px;color: #666666}";
const char *const kTextHovered = "QLabel{padding: 3px 8px;color: #ffffff}";

} // namespace

CustomAction::CustomAction(int index, const QString &text, QObject *parent)
    : QWidgetAction(parent)
    , m_index(index)
{
    ContextMenuResources::ensureLoaded();
    setText(text);

    m_row = new QWidget;
    auto *layout = new QHBoxLayout(m_row);
    m_label = new QLabel(m_row);
    // Candidates are words, never markup.
    m_label->setTextFormat(Qt::PlainText);
    m_label->setText(text);
    QFont font(QStringLiteral("Arial, Sans-serif"));
    font.setPointSize(10);
    m_label->setFont(font);
    layout->addWidget(m_label);
    if (isProfane(text)) {
        m_icon = new QLabel(m_row);
        m_icon->setFixedSize(IconSize, IconSize);
        // The menu lives on the editor, whose style pads every widget below
        // it; padded, a 16 x 16 label has no room left for its picture.
        m_icon->setStyleSheet(QStringLiteral("QLabel{padding: 0px}"));
        layout->addWidget(m_icon);
    }
    setHovered(false);
    m_row->installEventFilter(this);
    setDefaultWidget(m_row);

    connect(this, &QAction::triggered, this, &CustomAction::slotTriggered);
}

void CustomAction::slotTriggered()
{
    emit signalClicked(m_index);
}

void CustomAction::setHovered(bool hovered)
{
    m_hovered = hovered;
    m_row->setStyleSheet(ThemeColours::themed(QLatin1String(hovered ? kRowHovered : kRowNormal)));
    m_label->setStyleSheet(ThemeColours::themed(QLatin1String(hovered ? kTextHovered : kTextNormal)));
    if (m_icon)
        m_icon->setPixmap(QPixmap(hovered ? ContextMenuResources::warningIconHovered()
                                          : ContextMenuResources::warningIcon()));
}

bool CustomAction::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_row) {
        if (event->type() == QEvent::Enter)
            setHovered(true);
        else if (event->type() == QEvent::Leave)
            setHovered(false);
    }
    return QWidgetAction::eventFilter(watched, event);
}
