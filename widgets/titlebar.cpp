#include "titlebar.h"

#include "customwindow.h"
#include "elidedlabel.h"
#include "glyphpainter.h"
#include "iconbutton.h"
#include "themecolours.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QWindow>
#include <QLabel>
#include <QMouseEvent>

Titlebar::Titlebar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Titlebar"));
    setFixedHeight(36);
    setStyleSheet(QStringLiteral("#Titlebar { background: %1; border: none; }"
                                 "#lb_title { color: %2; font-size: 13px; }")
                      .arg(ThemeColours::toneName("#ffffff"), ThemeColours::toneName("#444444")));

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 0, 0, 0);
    layout->setSpacing(0);

    m_icon = new QLabel(this);
    m_icon->setObjectName(QStringLiteral("lb_icon"));
    m_icon->setFixedSize(20, 20);
    m_icon->setPixmap(GlyphPainter::pixmap(GlyphPainter::Logo, QSize(20, 20), QColor(0x2b, 0x8a, 0x5e),
                                           devicePixelRatioF()));
    m_icon->installEventFilter(this);
    m_icon->setAccessibleName(QStringLiteral("Quillet"));
    layout->addWidget(m_icon);
    layout->addSpacing(8);

    m_title = new ElidedLabel(QStringLiteral("Quillet"), this);
    m_title->setObjectName(QStringLiteral("lb_title"));
    layout->addWidget(m_title, 1);

    m_share = new IconButton(GlyphPainter::Share, this);
    m_share->setObjectName(QStringLiteral("pb_share"));
    m_share->setToolTip(tr("Share"));
    layout->addWidget(m_share);

    auto *menu = new IconButton(GlyphPainter::Menu, this);
    menu->setObjectName(QStringLiteral("pb_menu"));
    menu->setToolTip(tr("Menu"));
    layout->addWidget(menu);
    m_menu = menu;

    m_min = new IconButton(GlyphPainter::Minimize, this);
    m_min->setObjectName(QStringLiteral("btn_min"));
    m_min->setToolTip(tr("Minimize"));
    layout->addWidget(m_min);

    m_maxFrame = new QFrame(this);
    m_maxFrame->setObjectName(QStringLiteral("frame_max"));
    auto *maxLayout = new QHBoxLayout(m_maxFrame);
    maxLayout->setContentsMargins(0, 0, 0, 0);
    maxLayout->setSpacing(0);
    m_restore = new IconButton(GlyphPainter::Restore, m_maxFrame);
    m_restore->setObjectName(QStringLiteral("btn_restore"));
    m_restore->setToolTip(tr("Restore"));
    maxLayout->addWidget(m_restore);
    m_max = new IconButton(GlyphPainter::Maximize, m_maxFrame);
    m_max->setObjectName(QStringLiteral("btn_max"));
    m_max->setToolTip(tr("Maximize"));
    maxLayout->addWidget(m_max);
    layout->addWidget(m_maxFrame);

    m_close = new IconButton(GlyphPainter::Close, this);
    m_close->setObjectName(QStringLiteral("btn_close"));
    m_close->setToolTip(tr("Close"));
    m_close->setHoverColors(QColor(0xe8, 0x11, 0x23), Qt::white);
    m_close->setPressedColor(QColor(0xb0, 0x0d, 0x1a));
    layout->addWidget(m_close);

    connect(m_close, &QAbstractButton::clicked, this, &Titlebar::signalClose);
    connect(m_max, &QAbstractButton::clicked, this, &Titlebar::slotMax);
    connect(m_min, &QAbstractButton::clicked, this, &Titlebar::slotMin);
    connect(m_restore, &QAbstractButton::clicked, this, &Titlebar::slotRestore);
    connect(m_share, &QAbstractButton::clicked, this, &Titlebar::slotShare);

    m_maxFrame->hide();
    m_menu->hide();
    m_share->hide();
    m_restore->hide();
}

QString Titlebar::title() const
{
    return m_title->text();
}

void Titlebar::setTitle(const QString &title)
{
    m_title->setText(title);
}

void Titlebar::setCloseEnabled(bool enabled)
{
    m_close->setEnabled(enabled);
}

bool Titlebar::isCloseEnabled() const
{
    return m_close->isEnabled();
}

void Titlebar::setMenuEnabled(bool enabled)
{
    m_menu->setEnabled(enabled);
}

bool Titlebar::isMenuEnabled() const
{
    return m_menu->isEnabled();
}

void Titlebar::setButtonsEnabled(bool enabled)
{
    for (QAbstractButton *button : std::initializer_list<QAbstractButton *>{m_share, m_menu, m_min, m_restore, m_max, m_close})
        button->setEnabled(enabled);
}

void Titlebar::setMaximizeVisible(bool visible)
{
    m_maxFrame->setVisible(visible);
}

void Titlebar::setMinimizeVisible(bool visible)
{
    m_min->setVisible(visible);
}

void Titlebar::setMenuVisible(bool visible)
{
    m_menu->setVisible(visible);
}

void Titlebar::setMenuButton(QAbstractButton *button)
{
    auto *row = qobject_cast<QBoxLayout *>(layout());
    if (!button || button == m_menu || !row)
        return;
    const int at = row->indexOf(m_menu);
    button->setParent(this);
    button->setObjectName(QStringLiteral("pb_menu"));
    button->setEnabled(m_menu->isEnabled());
    button->setVisible(!m_menu->isHidden());
    row->insertWidget(at, button);
    delete m_menu;
    m_menu = button;
}

void Titlebar::setShareVisible(bool visible)
{
    m_share->setVisible(visible);
}

void Titlebar::slotIsMaxmized(bool bMax)
{
    m_maximized = bMax;
    m_restore->setVisible(bMax);
    m_max->setVisible(!bMax);
}

void Titlebar::slotShare()
{
    emit signalShare();
}

void Titlebar::slotMax()
{
    emit signalMax();
}

void Titlebar::slotMin()
{
    emit signalMin();
}

void Titlebar::slotRestore()
{
    emit signalRestore();
}

bool Titlebar::maximizeOffered() const
{
    // isHidden() tells the explicit state, also before the bar is first shown.
    return !m_maxFrame->isHidden();
}

bool Titlebar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_icon && event->type() == QEvent::MouseButtonDblClick) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (m_close->isEnabled())
                emit signalClose();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void Titlebar::mousePressEvent(QMouseEvent *event)
{
    // A maximised window stays where it is.
    if (maximizeOffered() && m_maximized)
        return;
    if (event->button() != Qt::LeftButton)
        return;
    // The window's resize band reaches over the bar's top edge and corners:
    // a press there resizes the window.
    if (auto *frameless = qobject_cast<CustomWindow *>(window())) {
        const QPoint inWindow = mapTo(frameless, event->position().toPoint());
        if (!frameless->maximized()
            && ResizeZone::at(inWindow, frameless->size(), frameless->shadowMargin()) != ResizeZone::None) {
            event->ignore();
            return;
        }
    }
    // Remember where in the window the bar was grabbed, so the window keeps
    // that point under the mouse while it moves.
    QWidget *top = window();
    m_pressGlobal = event->globalPosition().toPoint();
    m_systemMoveTried = false;
    m_pressOffset = top == this ? event->position().toPoint()
                                : mapTo(top, event->position().toPoint());
    m_dragging = true;
}

void Titlebar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint global = event->globalPosition().toPoint();
    // Once the mouse really moves, the window system moves the window where
    // it can (a double click stays a double click); otherwise the window
    // follows the signal.
    if (!m_systemMoveTried) {
        if ((global - m_pressGlobal).manhattanLength() < QApplication::startDragDistance())
            return;
        m_systemMoveTried = true;
        QWindow *handle = window()->windowHandle();
        if (handle && handle->startSystemMove()) {
            m_dragging = false;
            return;
        }
    }
    emit signalMove(global.x() - m_pressOffset.x(), global.y() - m_pressOffset.y());
}

void Titlebar::mouseReleaseEvent(QMouseEvent *)
{
    m_dragging = false;
}

void Titlebar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !maximizeOffered())
        return;
    m_dragging = false;
    if (m_maximized) {
        if (m_restore->isEnabled())
            emit signalRestore();
    } else if (m_max->isEnabled()) {
        emit signalMax();
    }
}
