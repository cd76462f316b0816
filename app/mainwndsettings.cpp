// The main window's settings dialog: laid over the window's content, locking
// the window while it is up.
#include "mainwnd.h"

#include "overlay.h"
#include "settingframe.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

void MainWnd::setUpSettings()
{
    m_settingsCover = new Overlay(m_ui.central);
    m_settingsCover->setCoveredWidget(m_ui.central);
    m_settingsCover->setDimColor(QColor(40, 40, 40, 120));
    // Centred over the window; a window smaller than the dialog (long texts in
    // some languages) scrolls it instead of squeezing it.
    auto *coverLayout = new QVBoxLayout(m_settingsCover);
    coverLayout->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(m_settingsCover);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setStyleSheet(QStringLiteral("QScrollArea{background:transparent;}"));
    auto *place = new QWidget;
    auto *layout = new QGridLayout(place);
    m_settings = new SettingFrame(place);
    m_settings->setMaximumWidth(760);
    // Never shorter than the dialog wants: a low window scrolls it.
    m_settings->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(m_settings, 0, 0, Qt::AlignCenter);
    scroll->setWidget(place);
    place->setAutoFillBackground(false); // the cover's dim shows around the dialog
    coverLayout->addWidget(scroll);
    m_settingsCover->hide();

    connect(m_settings, &SettingFrame::signalClose, this, &MainWnd::slotCloseSetting);
    connect(m_settings, &SettingFrame::signalError, this, &MainWnd::slotErrorSetting);
    connect(m_settings, &SettingFrame::signalRestart, this, &MainWnd::slotRestartApp);
    connect(m_settings, &SettingFrame::signlUpdate, this, &MainWnd::slotUpdateStatusChanged);
}

void MainWnd::showSettings(bool withUpdate)
{
    // Not over a running review or another cover (the report, a note dialog).
    if (m_reviewRunning || m_settingsCover->isVisible() || areControlsLocked())
        return;
    if (withUpdate)
        m_settings->openWithUpdate(m_offeredVersion, m_versionText, m_resetSettings);
    else
        m_settings->openSettings();
    setControlsLocked(true);
    m_settingsCover->follow();
    m_settingsCover->show();
    m_settingsCover->raise();
}

void MainWnd::slotShowSetting()
{
    log(QStringLiteral("QL_Main_Setting"));
    showSettings(false);
}

void MainWnd::slotCloseSetting()
{
    m_settingsCover->hide();
    setControlsLocked(false);
}
