#include "settingscover.h"

#include "settingframe.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

SettingsCover::SettingsCover(QWidget *parent)
    : Overlay(parent)
{
    setCoveredWidget(parent);
    setDimColor(QColor(40, 40, 40, 120));
    // Centred over the window; a window smaller than the dialog (long texts in
    // some languages) scrolls it instead of squeezing it.
    auto *coverLayout = new QVBoxLayout(this);
    coverLayout->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
    auto *place = new QWidget;
    auto *layout = new QGridLayout(place);
    m_frame = new SettingFrame(place);
    m_frame->setMaximumWidth(760);
    // Never shorter than the dialog wants: a low window scrolls it.
    m_frame->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_frame, 0, 0, Qt::AlignCenter);
    scroll->setWidget(place);
    place->setAutoFillBackground(false); // the cover's dim shows around the dialog
    coverLayout->addWidget(scroll);
    hide();
}

void SettingsCover::open()
{
    follow();
    show();
    raise();
}
