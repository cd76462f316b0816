#ifndef ELIDEDLABEL_H
#define ELIDEDLABEL_H

#include <QLabel>

// A one-line label that shortens its text with an ellipsis when it does not
// fit, and then shows the whole text as its tool tip. text() is always the
// whole text.
class ElidedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget *parent = nullptr);
    explicit ElidedLabel(const QString &text, QWidget *parent = nullptr);

    void setElideMode(Qt::TextElideMode mode);
    Qt::TextElideMode elideMode() const { return m_mode; }

    // The text as it is drawn at the label's current width.
    QString displayedText() const;
    bool isElided() const;

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool event(QEvent *event) override;

private:
    void updateToolTip();

    Qt::TextElideMode m_mode = Qt::ElideRight;
    bool m_ownToolTip = false;
};

#endif
