#ifndef NOTEITEMWIDGET_H
#define NOTEITEMWIDGET_H

#include <QFrame>
#include <QString>

class QLabel;

// One entry of the note list: the title in bold, the creation date
// ("yyyy/MM/dd", local time) and, once loaded, the start of the text. A
// click reports the entry's index.
class NoteItemWidget : public QFrame
{
    Q_OBJECT
public:
    NoteItemWidget(int index, const QString &title, qint64 createdMs, QWidget *parent = nullptr);

    int index() const { return m_index; }
    QString title() const { return m_title; }
    QString dateText() const;
    QString text() const { return m_text; }
    void setText(const QString &text);
    void setSelected(bool selected);
    bool isSelected() const { return m_selected; }

    static QString formatDate(qint64 createdMs);

signals:
    void signalClicked(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QString m_title;
    QString m_text;
    bool m_selected = false;
    bool m_pressed = false;
    QLabel *m_titleLabel = nullptr;
    QLabel *m_dateLabel = nullptr;
    QLabel *m_textLabel = nullptr;
};

#endif
