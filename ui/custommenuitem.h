#ifndef CUSTOMMENUITEM_H
#define CUSTOMMENUITEM_H

#include <QFrame>
#include <QPixmap>
#include <QPointer>

class QLabel;

// One candidate row of the side panel: the candidate text and, when the text
// holds a profane word, a warning icon that asks for the profanity tip while
// the mouse is on it. A left click on the row chooses the candidate.
class CustomMenuItem : public QFrame
{
    Q_OBJECT
public:
    CustomMenuItem(int index, const QString &text, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString text() const;
    // The warning icon, or none when the text is not profane.
    QLabel *warningIcon() const { return m_icon; }

signals:
    void signalClicked(int index);
    void signalClicked();
    void signalShowTip();
    void signalHideTip();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_index = 0;
    QLabel *m_label = nullptr;
    QPointer<QLabel> m_icon;
    QPixmap m_normal;
    QPixmap m_hover;
};

#endif
