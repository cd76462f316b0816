#ifndef OVERLAY_H
#define OVERLAY_H

#include <QColor>
#include <QPointer>
#include <QWidget>

// A full-area cover laid over part of a window (its parent by default, or a
// chosen widget inside the parent). It follows that widget's size and
// place, dims what lies beneath and takes the mouse, so nothing under it
// can be clicked or typed into: it takes the keyboard focus while shown and
// gives it back when hidden.
class Overlay : public QWidget
{
    Q_OBJECT
public:
    explicit Overlay(QWidget *parent);

    // The widget to cover: the parent itself or any widget shown inside it.
    void setCoveredWidget(QWidget *widget);
    QWidget *coveredWidget() const;

    void setDimColor(const QColor &color);
    QColor dimColor() const { return m_dim; }

    // Re-reads the covered widget's rectangle.
    void follow();

    // Gives the keyboard focus back to where it was before the cover was
    // shown, if the cover holds it, and lets the mouse through to what lies
    // beneath: for a cover on its way out (a fade) that must not keep either.
    void letGo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void watch(QWidget *widget);
    // Gives the focus back to where it was when the cover was shown, if the
    // cover or one of its children holds it.
    void returnFocus();

    QPointer<QWidget> m_covered;
    QPointer<QWidget> m_focusBefore;
    bool m_lettingGo = false;
    QColor m_dim{255, 255, 255, 215};
};

#endif
