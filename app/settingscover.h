#ifndef SETTINGSCOVER_H
#define SETTINGSCOVER_H

#include "overlay.h"

class SettingFrame;

// The dimmed cover over the whole window that holds the settings dialog,
// centred; a window smaller than the dialog scrolls it.
class SettingsCover : public Overlay
{
    Q_OBJECT

public:
    explicit SettingsCover(QWidget *parent);

    SettingFrame *frame() const { return m_frame; }
    // Shows the cover over everything else.
    void open();

private:
    SettingFrame *m_frame = nullptr;
};

#endif
