#include "loadingbox.h"

#include "kitresources.h"
#include "rotatingpicture.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

LoadingBox::LoadingBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    KitResources::ensureLoaded();
    setObjectName(QStringLiteral("LoadingBox"));
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(80, 80);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    m_picture = new RotatingPicture(this);
    m_picture->setPixmap(QPixmap(KitResources::loadingImage()));
    layout->addWidget(m_picture);
}

void LoadingBox::start()
{
    m_running = true;
    place();
    show();
    raise();
    m_picture->start();
}

void LoadingBox::stop()
{
    m_picture->stop();
    m_running = false;
    hide();
}

void LoadingBox::reject()
{
    // Escape does not end the job.
    if (!m_running)
        QDialog::reject();
}

void LoadingBox::closeEvent(QCloseEvent *event)
{
    if (m_running)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void LoadingBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(QRectF(rect()), 10, 10);
}

void LoadingBox::place()
{
    QRect box(QPoint(), size());
    QWidget *owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner) {
        box.moveCenter(QRect(owner->mapToGlobal(QPoint()), owner->size()).center());
    } else if (QScreen *screen = QGuiApplication::primaryScreen()) {
        box.moveCenter(screen->availableGeometry().center());
    }
    move(box.topLeft());
}
