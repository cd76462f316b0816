#include "clickablelabel.h"

#include "callbackobject.h"
#include "correctionitem.h"
#include "eventlog.h"
#include "themecolours.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

ClickableLabel::ClickableLabel(CorrectionItem *mark, const QString &text, QWidget *parent)
    : QLabel(parent)
    , m_mark(mark)
    , m_baseFont(parent ? parent->font() : font())
    , m_text(text)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedHeight(heightFor(font()));
    m_text.setTextFormat(Qt::PlainText);
    // What a screen reader says for the label: the suggestion, and what it
    // replaces.
    setAccessibleName(text);
    if (mark)
        setAccessibleDescription(tr("Suggestion for \"%1\". Click to apply it.").arg(mark->flaggedText()));
    m_timer.setInterval(TickInterval);
    connect(&m_timer, &QTimer::timeout, this, &ClickableLabel::slotTimer);
    updateWidth();
}

QFont ClickableLabel::paintFont() const
{
    // The editor's font, whatever style sheets of the window say about labels.
    QFont f = m_baseFont;
    f.setBold(m_bold);
    return f;
}

int ClickableLabel::heightFor(const QFont &font)
{
    QFont bold = font;
    bold.setBold(true);
    return qMax(int(LabelHeight), QFontMetrics(bold).height() + 7);
}

void ClickableLabel::updateWidth()
{
    const QFont shown = paintFont();
    setFixedHeight(heightFor(shown));
    m_fullWidth = QFontMetrics(shown).horizontalAdvance(m_text.text()) + 2 * Padding;
    m_text.prepare(QTransform(), shown);
    setFixedWidth(m_fullWidth);
}

void ClickableLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateWidth();
}

void ClickableLabel::setBold(bool bold)
{
    m_bold = bold;
    QFont f = m_baseFont;
    f.setBold(bold);
    setFont(f);
    updateWidth();
}

bool ClickableLabel::fitsInRoom()
{
    const QWidget *editor = parentWidget();
    m_room = editor ? editor->width() - x() : m_fullWidth;
    return m_room + 2 * Padding >= m_fullWidth;
}

void ClickableLabel::startScrolling(bool forSelection)
{
    m_scrolling = true;
    m_scrollingForSelection = forSelection;
    setFixedWidth(qMax(1, m_room - 2 * Padding));
    m_timer.start();
}

void ClickableLabel::stopScrolling()
{
    m_timer.stop();
    m_offset = 0;
    m_scrolling = false;
    m_scrollingForSelection = false;
    setFixedWidth(m_fullWidth);
}

void ClickableLabel::setBaseFont(const QFont &font)
{
    m_baseFont = font;
    setBold(m_selected || m_hovered);
    update();
}

void ClickableLabel::setSelected(bool selected)
{
    m_selected = selected;
    if (selected)
        raise();
    setBold(selected);
    m_offset = 0;
    m_scrolling = false;
    m_scrollingForSelection = false;
    if (selected) {
        if (!fitsInRoom())
            startScrolling(true);
    } else {
        m_timer.stop();
        setFixedWidth(m_fullWidth);
        update();
    }
}

void ClickableLabel::enterEvent(QEnterEvent *event)
{
    QLabel::enterEvent(event);
    m_hovered = true;
    setBold(true);
    raise();
    if (!m_scrolling && !fitsInRoom())
        startScrolling(false);
    update();
}

void ClickableLabel::leaveEvent(QEvent *event)
{
    QLabel::leaveEvent(event);
    m_hovered = false;
    setBold(false);
    if (m_scrolling && !m_scrollingForSelection)
        stopScrolling();
    update();
}

void ClickableLabel::slotTimer()
{
    if (m_offset == 1) {
        // Paused at the start: show it for a second, then scroll again.
        m_offset = 0;
        update();
        m_timer.stop();
        QTimer::singleShot(PauseMs, this, &ClickableLabel::slotDelayTimer);
        return;
    }
    if (m_fullWidth + 2 * Padding + m_offset < m_room) {
        // The end of the text is in view: keep it a second, then jump back.
        m_offset = 1;
        m_timer.stop();
        QTimer::singleShot(PauseMs, this, &ClickableLabel::slotTimer);
        return;
    }
    --m_offset;
    update();
}

void ClickableLabel::slotDelayTimer()
{
    if (m_scrolling)
        m_timer.start();
}

QColor ClickableLabel::backgroundColour() const
{
    if (m_hovered)
        return QColor(QStringLiteral("#999999"));
    if (m_selected)
        return ThemeColours::tone(QColor(QStringLiteral("#f0f0f0")));
    return QColor(Qt::transparent);
}

QColor ClickableLabel::textColour() const
{
    return m_hovered ? QColor(Qt::white) : ThemeColours::tone(QColor(QStringLiteral("#666666")));
}

void ClickableLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(backgroundColour());
    painter.drawRoundedRect(rect(), 3.0, 3.0);
    painter.setPen(textColour());
    painter.setFont(paintFont());
    const int x = m_offset + Padding + 1;
    painter.drawStaticText(x, 2 + (height() - LabelHeight) / 2, m_text);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    EventLog::log(QStringLiteral("QL_Main_First_Candidate"));
    CallbackObject::instance().invokeCallback(m_mark, ApplyCandidate, 0);
}
