#include "updateoffer.h"

#include "mainwndui.h"
#include "versionhelper.h"

#include <QPushButton>

UpdateOffer::UpdateOffer(const MainWndUi &ui)
    : m_ui(ui)
{
}

void UpdateOffer::serverChecked(int code)
{
    m_ui.networkIndicator->setVisible(code != 0 && m_ui.updateIndicator->isHidden());
}

void UpdateOffer::latestVersion(const QStringList &list)
{
    if (list.size() < 5)
        return;
    if (GammaLib::VersionHelper::installedVersion() >= list.at(0).toInt())
        return;
    m_available = true;
    m_version = list.at(0).toInt();
    m_text = list.at(1);
    m_resetSettings = list.at(0) == list.at(4);
    m_ui.networkIndicator->hide();
    m_ui.updateIndicator->show();
}

void UpdateOffer::statusChanged(int n, const QString &text)
{
    // -1 after a finished update: nothing is waiting any more.
    m_available = n >= 0;
    m_ui.updateIndicator->setVisible(n >= 0);
    m_version = n;
    m_text = text;
}

void UpdateOffer::showIndicatorIfAvailable() const
{
    if (m_available)
        m_ui.updateIndicator->show();
}
