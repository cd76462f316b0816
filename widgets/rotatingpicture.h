#ifndef ROTATINGPICTURE_H
#define ROTATINGPICTURE_H

#include <QPixmap>
#include <QWidget>

class RotateAnimation;

// A picture that turns round its centre while running; without a picture
// it draws the kit's spinner.
class RotatingPicture : public QWidget
{
    Q_OBJECT
public:
    explicit RotatingPicture(QWidget *parent = nullptr);

    void setPixmap(const QPixmap &pixmap);
    QPixmap pixmap() const { return m_pixmap; }
    void setColor(const QColor &color);

    void start();
    void stop();
    bool isRunning() const;
    RotateAnimation *animation() const { return m_rotation; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QColor m_color{0x2b, 0x8a, 0x5e};
    RotateAnimation *m_rotation = nullptr;
};

#endif
