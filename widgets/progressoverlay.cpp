#include "progressoverlay.h"

#include "fadeanimation.h"
#include "rotatingpicture.h"
#include "themecolours.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QVariantAnimation>

ProgressOverlay::ProgressOverlay(QWidget *parent)
    : Overlay(parent)
{
    setObjectName(QStringLiteral("ProgressOverlay"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("progressPanel"));
    panel->setFixedSize(320, 150);
    panel->setStyleSheet(ThemeColours::themed(QStringLiteral(
        "#progressPanel { background: #ffffff; border: 1px solid #d8d8d8; border-radius: 6px; }"
        "QLabel { color: #555555; }"
        "QProgressBar { background: #eeeeee; border: none; border-radius: 3px; }"
        "QProgressBar::chunk { background: #2b8a5e; border-radius: 3px; }")));

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(20, 16, 20, 16);
    column->setSpacing(10);

    auto *top = new QHBoxLayout;
    m_picture = new RotatingPicture(panel);
    m_picture->setFixedSize(28, 28);
    top->addWidget(m_picture);
    m_text = new QLabel(tr("Reviewing your text..."), panel);
    m_text->setObjectName(QStringLiteral("lb_progress_text"));
    top->addWidget(m_text, 1);
    m_percent = new QLabel(panel);
    m_percent->setObjectName(QStringLiteral("lb_progress_value"));
    top->addWidget(m_percent);
    column->addLayout(top);

    m_bar = new QProgressBar(panel);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(6);
    column->addWidget(m_bar);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cancel = new QPushButton(tr("Cancel"), panel);
    m_cancel->setObjectName(QStringLiteral("btn_cancel"));
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    column->addLayout(buttons);

    auto *grid = new QGridLayout(this);
    grid->addWidget(panel, 0, 0, Qt::AlignCenter);

    m_run = new QVariantAnimation(this);
    m_run->setDuration(m_runToFull);
    m_run->setEndValue(100);
    connect(m_run, &QVariantAnimation::valueChanged, this,
            [this](const QVariant &v) { setValue(v.toInt()); });
    connect(m_run, &QVariantAnimation::finished, this, &ProgressOverlay::onRunFinished);

    m_fade = new FadeAnimation(this, this);
    m_fade->setDuration(150);
    connect(m_fade, &FadeAnimation::signalFinished, this, &ProgressOverlay::onFadeFinished);

    connect(m_cancel, &QPushButton::clicked, this, &ProgressOverlay::onCancelClicked);
    setValue(0);
}

int ProgressOverlay::progressPercent(int received, int total)
{
    if (total <= 0)
        return 1;
    const qint64 percent = qint64(received) * 100 / total;
    return int(qBound(qint64(1), percent, qint64(99)));
}

void ProgressOverlay::setText(const QString &text)
{
    m_text->setText(text);
}

QString ProgressOverlay::text() const
{
    return m_text->text();
}

void ProgressOverlay::setFinishDurations(int runToFull, int fadeOut)
{
    m_runToFull = qMax(1, runToFull);
    m_fade->setDuration(qMax(0, fadeOut));
}

void ProgressOverlay::start()
{
    m_run->stop();
    m_fade->stop();
    // Still fading out from the last review: shown afresh, at full strength.
    if (m_state == Fading)
        hide();
    m_state = Running;
    setValue(0);
    m_cancel->setEnabled(true);
    show();
    raise();
    m_picture->start();
}

void ProgressOverlay::setValue(int percent)
{
    m_value = qBound(0, percent, 100);
    m_bar->setValue(m_value);
    m_percent->setText(QStringLiteral("%1%").arg(m_value));
}

void ProgressOverlay::setProgress(int received, int total)
{
    // Late results after the closing animation began must not pull the bar
    // back.
    if (m_state == Running)
        setValue(progressPercent(received, total));
}

void ProgressOverlay::finish()
{
    if (m_state == Finishing)
        return;
    m_state = Finishing;
    m_cancel->setEnabled(false);
    m_run->stop();
    // The bar runs on from where it stands: a review whose last result just
    // came in is at 99% and closes at once, without a pause before its marks.
    m_run->setDuration(qMax(1, m_runToFull * (100 - m_value) / 100));
    m_run->setStartValue(m_value);
    m_run->start();
}

void ProgressOverlay::stop()
{
    m_run->stop();
    m_fade->stop();
    m_picture->stop();
    m_state = Idle;
    hide();
}

void ProgressOverlay::onCancelClicked()
{
    if (m_state != Running)
        return;
    // One cancel per review.
    m_cancel->setEnabled(false);
    emit signalCancel();
}

void ProgressOverlay::onRunFinished()
{
    if (m_state != Finishing)
        return;
    setValue(100);
    m_picture->stop();
    m_state = Fading;
    letGo();
    // The results are shown now and the cover fades out over them.
    emit signalFinished();
    if (m_state == Fading)
        m_fade->fadeOut();
}

void ProgressOverlay::onFadeFinished()
{
    if (m_state != Fading)
        return;
    m_state = Idle;
    hide();
}
