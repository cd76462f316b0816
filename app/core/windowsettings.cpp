#include "windowsettings.h"

#include "appsettings.h"
#include "configfile.h"

WindowSettings::WindowSettings()
    : m_store(AppSettings::settingConfig())
{
}

WindowSettings::WindowSettings(ConfigFile &store)
    : m_store(store)
{
}

bool WindowSettings::save()
{
    return m_store.save();
}

QRect WindowSettings::normalGeometry() const
{
    return QRect(m_store.value(QStringLiteral("Left")).toInt(), m_store.value(QStringLiteral("Top")).toInt(),
                 m_store.value(QStringLiteral("Width")).toInt(), m_store.value(QStringLiteral("Height")).toInt());
}

bool WindowSettings::neverPlaced() const
{
    return m_store.value(QStringLiteral("Left")) == QLatin1String("-1")
        && m_store.value(QStringLiteral("Top")) == QLatin1String("0");
}

void WindowSettings::setNormalGeometry(const QRect &rect)
{
    m_store.setValue(QStringLiteral("Left"), QString::number(rect.x()));
    m_store.setValue(QStringLiteral("Top"), QString::number(rect.y()));
    m_store.setValue(QStringLiteral("Width"), QString::number(rect.width()));
    m_store.setValue(QStringLiteral("Height"), QString::number(rect.height()));
}

bool WindowSettings::maximized() const
{
    return AppSettings::isTrue(m_store.value(QStringLiteral("IsMaxmized")));
}

void WindowSettings::setMaximized(bool on)
{
    m_store.setValue(QStringLiteral("IsMaxmized"), AppSettings::boolText(on));
}

bool WindowSettings::sidebarShown() const
{
    return AppSettings::isTrue(m_store.value(QStringLiteral("Sidebar")));
}

void WindowSettings::setSidebarShown(bool on)
{
    m_store.setValue(QStringLiteral("Sidebar"), AppSettings::boolText(on));
}

bool WindowSettings::showTutorial() const
{
    return AppSettings::isTrue(m_store.value(QStringLiteral("user_guide")));
}

void WindowSettings::setShowTutorial(bool on)
{
    m_store.setValue(QStringLiteral("user_guide"), AppSettings::boolText(on));
}
