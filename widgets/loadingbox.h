#ifndef LOADINGBOX_H
#define LOADINGBOX_H

#include <QDialog>

class RotatingPicture;

// A small modal, frameless, translucent 80 × 80 box with a turning picture,
// shown while the window works through a long job on the main thread (the
// job lets the event loop run between steps so the picture keeps turning).
// It cannot be closed by the user; stop() closes it.
class LoadingBox : public QDialog
{
    Q_OBJECT
public:
    explicit LoadingBox(QWidget *parent = nullptr);

    // Shows the box centred over its parent (or the screen), blocks input to
    // the other windows and starts the picture turning. Returns at once.
    void start();
    void stop();
    bool isRunning() const { return m_running; }

    RotatingPicture *picture() const { return m_picture; }

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();

    RotatingPicture *m_picture = nullptr;
    bool m_running = false;
};

#endif
