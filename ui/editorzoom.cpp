#include "editorzoom.h"

#include "preferences.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QWidget>

EditorZoom::EditorZoom(QWidget *editor, QObject *parent)
    : QObject(parent)
    , m_editor(editor)
{
    m_chosen = Preferences().editorFontSize();
    apply();
}

int EditorZoom::systemPointSize()
{
    const QFont system = QGuiApplication::font();
    if (system.pointSize() > 0)
        return system.pointSize();
    // A font given in pixels: its size in points at the screen's resolution.
    return qMax(MinimumPoints, qRound(QFontInfo(system).pointSizeF()));
}

QFont EditorZoom::fontAt(int points)
{
    QFont font = QGuiApplication::font();
    font.setPointSize(points > 0 ? points : systemPointSize());
    return font;
}

int EditorZoom::pointSize() const
{
    return m_chosen > 0 ? m_chosen : systemPointSize();
}

void EditorZoom::setPointSize(int points)
{
    const int chosen = points > 0 ? qBound(MinimumPoints, points, MaximumPoints) : 0;
    const int before = pointSize();
    m_chosen = chosen;
    Preferences preferences;
    if (preferences.editorFontSize() != chosen) {
        preferences.setEditorFontSize(chosen);
        preferences.save();
    }
    apply();
    if (pointSize() != before)
        emit pointSizeChanged(pointSize());
}

void EditorZoom::zoomIn()
{
    setPointSize(pointSize() + 1);
}

void EditorZoom::zoomOut()
{
    setPointSize(pointSize() - 1);
}

void EditorZoom::reset()
{
    setPointSize(0);
}

void EditorZoom::reload()
{
    const int before = pointSize();
    m_chosen = Preferences().editorFontSize();
    apply();
    if (pointSize() != before)
        emit pointSizeChanged(pointSize());
}

void EditorZoom::apply()
{
    if (m_editor)
        m_editor->setFont(fontAt(m_chosen));
}
