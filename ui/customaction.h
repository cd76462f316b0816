#ifndef CUSTOMACTION_H
#define CUSTOMACTION_H

#include <QPointer>
#include <QWidgetAction>

class QLabel;

// One candidate row of the correction context menu: the candidate's text
// and, when the text holds a profane word, a small warning icon. Triggering
// the row reports its candidate number.
class CustomAction : public QWidgetAction
{
    Q_OBJECT
public:
    static constexpr int IconSize = 16;

    CustomAction(int index, const QString &text, QObject *parent = nullptr);

    int index() const { return m_index; }
    QWidget *row() const { return m_row; }
    QLabel *textLabel() const { return m_label; }
    // The warning icon, or none for a harmless candidate.
    QLabel *warningIcon() const { return m_icon; }
    bool isHovered() const { return m_hovered; }
    // The hovered look (also used when the keyboard makes the row current).
    void setHovered(bool hovered);

signals:
    void signalClicked(int nIndex);

public slots:
    void slotTriggered();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int m_index;
    QWidget *m_row = nullptr;
    QLabel *m_label = nullptr;
    QPointer<QLabel> m_icon;
    bool m_hovered = false;
};

#endif
