#ifndef EDITORZOOM_H
#define EDITORZOOM_H

#include <QFont>
#include <QObject>

class QWidget;

// The editor's text size. The family and style come from the system font
// (the application font, which the desktop's theme sets); the size is the
// system's too unless the user chose one, kept in "editor_font_size".
class EditorZoom : public QObject
{
    Q_OBJECT
public:
    static constexpr int MinimumPoints = 6;
    static constexpr int MaximumPoints = 48;

    // Gives the editor its font at once.
    explicit EditorZoom(QWidget *editor, QObject *parent = nullptr);

    // The size in use, in points.
    int pointSize() const;
    // The system font's size, which the editor has without a choice.
    static int systemPointSize();
    // The system font at the given size (0: at its own size).
    static QFont fontAt(int points);

public slots:
    // Sets, keeps and applies a size (clamped to the limits); 0 follows the
    // system font again.
    void setPointSize(int points);
    void zoomIn();
    void zoomOut();
    void reset();
    // Takes the size from the preferences again (after the settings dialog).
    void reload();

signals:
    void pointSizeChanged(int points);

private:
    void apply();

    QWidget *m_editor = nullptr;
    int m_chosen = 0; // 0: the system's size
};

#endif
