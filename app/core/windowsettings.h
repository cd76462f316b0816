#ifndef WINDOWSETTINGS_H
#define WINDOWSETTINGS_H

#include <QRect>

class ConfigFile;

// Typed access to the keys of "setting.ini": the main window's geometry, the
// side panel and the first-run tutorial. Nothing is saved until save().
class WindowSettings
{
public:
    WindowSettings();
    explicit WindowSettings(ConfigFile &store);

    bool save();

    // "Left", "Top", "Width" and "Height".
    QRect normalGeometry() const;
    // True while the geometry still holds the defaults of a first start.
    bool neverPlaced() const;
    void setNormalGeometry(const QRect &rect);
    bool maximized() const;
    void setMaximized(bool on);
    bool sidebarShown() const;
    void setSidebarShown(bool on);
    bool showTutorial() const;
    void setShowTutorial(bool on);

private:
    ConfigFile &m_store;
};

#endif
