// The main window's settings dialog: laid over the window's content, locking
// the window while it is up.
#include "mainwnd.h"

#include "settingframe.h"
#include "settingscover.h"

void MainWnd::setUpSettings()
{
    m_settingsCover = new SettingsCover(m_ui.central);
    m_settings = m_settingsCover->frame();

    connect(m_settings, &SettingFrame::signalClose, this, &MainWnd::slotCloseSetting);
    connect(m_settings, &SettingFrame::signalError, this, &MainWnd::slotErrorSetting);
    connect(m_settings, &SettingFrame::signalRestart, this, &MainWnd::slotRestartApp);
    connect(m_settings, &SettingFrame::signlUpdate, this, &MainWnd::slotUpdateStatusChanged);
}

void MainWnd::showSettings(bool withUpdate)
{
    // Not over a running review or another cover (the report, a note dialog).
    if (isReviewRunning() || m_settingsCover->isVisible() || areControlsLocked())
        return;
    if (withUpdate)
        m_settings->openWithUpdate(m_updates.version(), m_updates.text(), m_updates.resetsSettings());
    else
        m_settings->openSettings();
    setControlsLocked(true);
    m_settingsCover->open();
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
