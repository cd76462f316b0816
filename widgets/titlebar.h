#ifndef TITLEBAR_H
#define TITLEBAR_H

#include <QFrame>
#include <QPoint>

class IconButton;
class QAbstractButton;
class QLabel;

// The title bar of a frameless window: program icon, title, optional share
// and menu buttons, minimise, maximise/restore and close. It does not move
// the window itself; it tells the owner through its signals.
//
// Children by object name: "lb_icon", "lb_title", "pb_share", "pb_menu",
// "btn_min", "frame_max" (holding "btn_restore" and "btn_max") and
// "btn_close". "frame_max", "pb_menu", "pb_share" and "btn_restore" start
// hidden; a window that wants them shows them.
class Titlebar : public QFrame
{
    Q_OBJECT
public:
    explicit Titlebar(QWidget *parent = nullptr);

    QString title() const;
    void setTitle(const QString &title);

    // The enable switches the owner uses to lock the bar while an overlay or
    // a review is up. A disabled close button also silences the icon's
    // double click; disabled max/restore buttons silence the bar's double
    // click.
    void setCloseEnabled(bool enabled);
    bool isCloseEnabled() const;
    void setMenuEnabled(bool enabled);
    bool isMenuEnabled() const;
    void setButtonsEnabled(bool enabled);

    // Shows or hides the optional parts.
    void setMaximizeVisible(bool visible);
    void setMinimizeVisible(bool visible);
    void setMenuVisible(bool visible);
    void setShareVisible(bool visible);

    // True after slotIsMaxmized(true), until slotIsMaxmized(false).
    bool isMaximizedState() const { return m_maximized; }
    bool isDragging() const { return m_dragging; }

    IconButton *closeButton() const { return m_close; }
    IconButton *minButton() const { return m_min; }
    IconButton *maxButton() const { return m_max; }
    IconButton *restoreButton() const { return m_restore; }
    QAbstractButton *menuButton() const { return m_menu; }
    // Puts the owner's menu button in place of the plain one, with the same
    // object name, visibility and locks.
    void setMenuButton(QAbstractButton *button);
    IconButton *shareButton() const { return m_share; }
    QFrame *maxFrame() const { return m_maxFrame; }
    QLabel *iconLabel() const { return m_icon; }
    QLabel *titleLabel() const { return m_title; }

signals:
    void signalClose();
    void signalMax();
    void signalMin();
    void signalRestore();
    void signalMove(int x, int y);
    // The share button was pressed; the owner opens the share page, whose
    // address depends on the interface language.
    void signalShare();

public slots:
    void slotIsMaxmized(bool bMax);
    void slotShare();
    void slotMax();
    void slotMin();
    void slotRestore();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool maximizeOffered() const;

    QLabel *m_icon = nullptr;
    QLabel *m_title = nullptr;
    IconButton *m_share = nullptr;
    QAbstractButton *m_menu = nullptr;
    IconButton *m_min = nullptr;
    QFrame *m_maxFrame = nullptr;
    IconButton *m_restore = nullptr;
    IconButton *m_max = nullptr;
    IconButton *m_close = nullptr;
    bool m_dragging = false;
    QPoint m_pressOffset;
    QPoint m_pressGlobal;
    bool m_systemMoveTried = false;
    bool m_maximized = false;
};

#endif
