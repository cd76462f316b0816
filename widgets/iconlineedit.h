#ifndef ICONLINEEDIT_H
#define ICONLINEEDIT_H

#include "glyphpainter.h"

#include <QLineEdit>

class IconButton;

// A line edit with a small icon button at its right end (the search field).
// The button sits inside the field and the text never runs under it. The
// first mouse click after the field gained the focus selects the whole
// text, so a new search can be typed straight over the old one.
class IconLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit IconLineEdit(GlyphPainter::Glyph glyph, QWidget *parent = nullptr);

    IconButton *button() const { return m_button; }

signals:
    // The button was clicked, or Return was pressed with the button enabled.
    void signalButtonClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placeButton();

    IconButton *m_button = nullptr;
    bool m_selectOnClick = false;
    bool m_selectOnRelease = false;
};

#endif
