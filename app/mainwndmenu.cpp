// The main window's title-bar menu: every entry connected to the window's
// command, and the recent entries kept in step with the recent-file list.
#include "mainwnd.h"

#include "appsettings.h"
#include "custommenubar.h"
#include "titlebar.h"

#include <QAction>
#include <QMenu>

void MainWnd::setUpMenu()
{
    m_menuBar = new CustomMenuBar(AppSettings::preferenceConfig(), this);
    m_ui.titlebar->setMenuButton(m_menuBar);
    m_ui.titlebar->setMenuVisible(true);

    CustomMenuBar *menu = m_menuBar;
    connect(menu->openLocalAction(), &QAction::triggered, this, &MainWnd::slotOpen);
    connect(menu->openEvernoteAction(), &QAction::triggered, this, &MainWnd::slotOpenEvernote);
    for (QAction *entry : menu->recentActions())
        connect(entry, &QAction::triggered, this, &MainWnd::slotOpenRecentFile);
    connect(menu->saveLocalAction(), &QAction::triggered, this, &MainWnd::slotSaveAs);
    connect(menu->saveEvernoteAction(), &QAction::triggered, this, &MainWnd::slotSaveAsEvernote);
    connect(menu->templatesAction(), &QAction::triggered, this, &MainWnd::slotGotoDocumentTemplates);
    connect(menu->userCenterAction(), &QAction::triggered, this, &MainWnd::slotGotoUserCenter);
    connect(menu->settingsAction(), &QAction::triggered, this, &MainWnd::slotShowSetting);
    connect(menu->faqAction(), &QAction::triggered, this, &MainWnd::slotFAQ);
    connect(menu->feedbackAction(), &QAction::triggered, this, &MainWnd::slotFeedback);
    connect(menu->aboutAction(), &QAction::triggered, this, &MainWnd::slotAbout);
    connect(menu->logoutAction(), &QAction::triggered, this, &MainWnd::slotLogout);
    connect(menu->closeAction(), &QAction::triggered, this, &MainWnd::slotClose);
}
