#include "custommenubar.h"

#include "configfile.h"
#include "glyphpainter.h"
#include "themecolours.h"

#include <QAction>
#include <QCursor>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QTimer>

CustomMenuBar::CustomMenuBar(ConfigFile &preferences, QWidget *parent)
    : QPushButton(parent)
    , m_preferences(preferences)
{
    setFlat(true);
    setFixedSize(30, 26);
    // Reached with Tab (or F10 from anywhere in the window); Space opens it.
    setFocusPolicy(Qt::TabFocus);
    setToolTip(tr("Menu"));
    setAccessibleName(tr("Menu"));
    setIcon(QIcon(GlyphPainter::pixmap(GlyphPainter::Menu, QSize(16, 16), ThemeColours::tone(QColor(0x55, 0x55, 0x55)),
                                       devicePixelRatioF())));
    setStyleSheet(QStringLiteral("QPushButton { border: none; background: transparent; }"
                                 "QPushButton:hover { background: rgba(0, 0, 0, 20); }"
                                 "QPushButton:focus { border: 2px solid %1; }"
                                 "QPushButton::menu-indicator { image: none; width: 0; }")
                      .arg(ThemeColours::toneName("#0a3d7a")));

    m_menu = new QMenu(this);
    m_openMenu = m_menu->addMenu(tr("Open..."));
    m_openLocal = m_openMenu->addAction(tr("Open local file"));
    m_openEvernote = m_openMenu->addAction(tr("Open from Evernote"));
    m_recentMenu = m_menu->addMenu(tr("Recent files"));
    for (int i = 0; i < RecentEntries; ++i)
        m_recent.append(m_recentMenu->addAction(QString()));
    m_saveAsMenu = m_menu->addMenu(tr("Save as..."));
    m_saveLocal = m_saveAsMenu->addAction(tr("Save to local file"));
    m_saveEvernote = m_saveAsMenu->addAction(tr("Save to Evernote"));
    m_menu->addSeparator();
    m_templates = m_menu->addAction(tr("Document templates"));
    m_userCenter = m_menu->addAction(tr("User center"));
    m_settings = m_menu->addAction(tr("Settings"));
    m_helpMenu = m_menu->addMenu(tr("Help"));
    m_faq = m_helpMenu->addAction(tr("FAQ"));
    m_feedback = m_helpMenu->addAction(tr("Feedback"));
    m_about = m_helpMenu->addAction(tr("About Quillet"));
    m_menu->addSeparator();
    m_logout = m_menu->addAction(tr("Log out"));
    m_close = m_menu->addAction(tr("Close Quillet"));
    setMenu(m_menu);

    updateRecentFiles();
}

void CustomMenuBar::updateRecentFiles()
{
    const QString stored = m_preferences.value(QStringLiteral("recent_file_list"));
    if (stored.isEmpty()) {
        m_recentMenu->setEnabled(false);
        return;
    }
    const QStringList paths = stored.split(QLatin1Char('|'));
    const int count = qMin<int>(paths.size(), RecentEntries);
    m_recentMenu->setEnabled(count > 0);
    for (int i = 0; i < count; ++i) {
        QAction *entry = m_recent.at(i);
        const QString path = paths.at(i);
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shortenedPath(path, QFontMetrics(entry->font()))));
        entry->setData(path);
        entry->setVisible(true);
    }
    for (int i = count; i < RecentEntries; ++i)
        m_recent.at(i)->setVisible(false);
}

QString CustomMenuBar::shortenedPath(const QString &path, const QFontMetrics &metrics, int limit)
{
    auto width = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };
    if (width(path) <= limit)
        return path;

    // This system's separator; the shortened form is built with it too.
    const QChar separator = QLatin1Char('/');
    const QFileInfo info(path);
    const QStringList parts = info.absolutePath().split(separator);
    const QString first = parts.value(0);
    QString name = info.fileName();
    const QString dots = QStringLiteral("...");
    auto candidateWith = [&](const QString &tail, const QString &fileName) {
        return first + separator + dots + separator + tail + fileName;
    };

    QString result = candidateWith(QString(), name);
    while (width(result) > limit) {
        const int length = name.size();
        QString shorter = name;
        shorter.replace(length / 4, length / 2, dots);
        // Stops once the name cannot get narrower (a wide first part alone).
        if (width(shorter) >= width(name))
            break;
        name = shorter;
        result = candidateWith(QString(), name);
    }

    QString tail;
    for (int i = parts.size() - 1; i >= 1; --i) {
        tail = parts.at(i) + separator + tail;
        const QString candidate = candidateWith(tail, name);
        if (width(candidate) > limit)
            break;
        result = candidate;
    }
    return result;
}
