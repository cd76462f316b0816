#ifndef CUSTOMMENUBAR_H
#define CUSTOMMENUBAR_H

#include <QList>
#include <QPushButton>

class ConfigFile;
class QAction;
class QFontMetrics;
class QMenu;

// The title bar's menu button and the program's one drop-down menu: open
// and save (locally or in Evernote), the five most recent files, web pages,
// settings, help, log-out and close.
class CustomMenuBar : public QPushButton
{
    Q_OBJECT
public:
    static constexpr int RecentEntries = 5;
    static constexpr int PathWidthLimit = 200;

    explicit CustomMenuBar(ConfigFile &preferences, QWidget *parent = nullptr);

    // Refills the recent entries from "recent_file_list".
    void updateRecentFiles();

    // The path as the recent entries show it: whole when it fits the limit,
    // else the first part, "...", as many trailing folders as fit and the
    // file name (its middle cut out while even that is too wide).
    static QString shortenedPath(const QString &path, const QFontMetrics &metrics, int limit = PathWidthLimit);

    QMenu *mainMenu() const { return m_menu; }
    QMenu *openMenu() const { return m_openMenu; }
    QMenu *recentMenu() const { return m_recentMenu; }
    QMenu *saveAsMenu() const { return m_saveAsMenu; }
    QMenu *helpMenu() const { return m_helpMenu; }
    QAction *openLocalAction() const { return m_openLocal; }
    QAction *openEvernoteAction() const { return m_openEvernote; }
    const QList<QAction *> &recentActions() const { return m_recent; }
    QAction *saveLocalAction() const { return m_saveLocal; }
    QAction *saveEvernoteAction() const { return m_saveEvernote; }
    QAction *templatesAction() const { return m_templates; }
    QAction *userCenterAction() const { return m_userCenter; }
    QAction *settingsAction() const { return m_settings; }
    QAction *faqAction() const { return m_faq; }
    QAction *feedbackAction() const { return m_feedback; }
    QAction *aboutAction() const { return m_about; }
    QAction *logoutAction() const { return m_logout; }
    QAction *closeAction() const { return m_close; }

private:
    ConfigFile &m_preferences;
    QMenu *m_menu = nullptr;
    QMenu *m_openMenu = nullptr;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_saveAsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QAction *m_openLocal = nullptr;
    QAction *m_openEvernote = nullptr;
    QList<QAction *> m_recent;
    QAction *m_saveLocal = nullptr;
    QAction *m_saveEvernote = nullptr;
    QAction *m_templates = nullptr;
    QAction *m_userCenter = nullptr;
    QAction *m_settings = nullptr;
    QAction *m_faq = nullptr;
    QAction *m_feedback = nullptr;
    QAction *m_about = nullptr;
    QAction *m_logout = nullptr;
    QAction *m_close = nullptr;
};

#endif
