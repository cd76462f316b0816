#ifndef UPDATEOFFER_H
#define UPDATEOFFER_H

#include <QString>
#include <QStringList>

class MainWndUi;

// The status line's two indicators: "Network connection fails" after a
// failed probe of the checking service, and "Updates available" while the
// version service offers a newer version (whose number, text and reset flag
// the settings dialog's update section gets).
class UpdateOffer
{
public:
    explicit UpdateOffer(const MainWndUi &ui);

    bool isAvailable() const { return m_available; }
    int version() const { return m_version; }
    QString text() const { return m_text; }
    bool resetsSettings() const { return m_resetSettings; }

    // A probe of the checking service ended with code (0: reachable).
    void serverChecked(int code);
    // The version service's answer: number, text, ..., reset number.
    void latestVersion(const QStringList &list);
    // The settings dialog's update state: n < 0 once nothing waits any more.
    void statusChanged(int n, const QString &text);
    // A cover went away: the indicator comes back when an update waits.
    void showIndicatorIfAvailable() const;

private:
    const MainWndUi &m_ui;
    bool m_available = false;
    int m_version = 0;
    QString m_text;
    bool m_resetSettings = false;
};

#endif
