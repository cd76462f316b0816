#ifndef VOCCATALABEL_H
#define VOCCATALABEL_H

#include <QWidget>

class QLabel;
class QTimeLine;

// The small tooltip of a vocabulary level bar: a frameless top-level window
// with one centred line of text that fades in over 400 ms and, a second
// after that, fades out again. It takes no focus and no mouse, and deletes
// itself when closed.
class VocCataLabel : public QWidget
{
    Q_OBJECT
public:
    static constexpr int FadeMs = 400;
    static constexpr int HoldMs = 1000;
    static constexpr int ExtraWidth = 30;

    explicit VocCataLabel(const QString &text, QWidget *parent = nullptr);

    QLabel *label() const { return m_label; }
    QString text() const;
    QTimeLine *fadeIn() const { return m_fadeIn; }
    QTimeLine *fadeOut() const { return m_fadeOut; }

    // Shows the tooltip with its top left corner at a global position and
    // starts fading in.
    void popUp(const QPoint &globalPos);

public slots:
    void slotFading(int frame);
    void slotFadeInFinished();

private:
    QLabel *m_label = nullptr;
    QTimeLine *m_fadeIn = nullptr;
    QTimeLine *m_fadeOut = nullptr;
};

#endif
