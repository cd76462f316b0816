#ifndef CLICKABLELABEL_H
#define CLICKABLELABEL_H

#include <QLabel>
#include <QStaticText>
#include <QTimer>

class CorrectionItem;

// The small rounded label under a flagged word that shows its top candidate.
// A left click applies it. A text too long for the room left to the editor's
// right edge scrolls (a marquee) while the label is hovered or selected.
class ClickableLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr int LabelHeight = 23;
    static constexpr int Padding = 3;
    static constexpr int TickInterval = 30;
    static constexpr int PauseMs = 1000;

    ClickableLabel(CorrectionItem *mark, const QString &text, QWidget *parent);

    // The label's height for a font: LabelHeight at the usual text size,
    // taller for larger text.
    static int heightFor(const QFont &font);

    // The editor's font, which the label follows (bold while hovered or
    // selected). Style sheets keep a child's font from following its parent
    // by themselves, so the editor hands it over.
    void setBaseFont(const QFont &font);
    // The font the text is drawn and measured in: the base font, bold while
    // hovered or selected.
    QFont paintFont() const;

    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }
    bool isHovered() const { return m_hovered; }
    bool isScrolling() const { return m_scrolling; }
    int offset() const { return m_offset; }
    int fullWidth() const { return m_fullWidth; }
    int room() const { return m_room; }
    CorrectionItem *mark() const { return m_mark; }
    QString labelText() const { return m_text.text(); }

    // Background colour for the current state ("transparent" when none).
    QColor backgroundColour() const;
    QColor textColour() const;

public slots:
    void slotTimer();
    void slotDelayTimer();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setBold(bool bold);
    void updateWidth();
    bool fitsInRoom();
    void startScrolling(bool forSelection);
    void stopScrolling();

    CorrectionItem *m_mark = nullptr;
    QFont m_baseFont;
    bool m_bold = false;
    QStaticText m_text;
    int m_offset = 0;
    int m_fullWidth = 0;
    int m_room = 0;
    bool m_hovered = false;
    QTimer m_timer;
    bool m_scrolling = false;
    bool m_scrollingForSelection = false;
    bool m_selected = false;
};

#endif
