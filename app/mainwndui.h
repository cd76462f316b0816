#ifndef MAINWNDUI_H
#define MAINWNDUI_H

#include <QList>

class CorrectionPanel;
class CustomTextEditor;
class CustomWindow;
class QAbstractButton;
class QCheckBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QVBoxLayout;
class QWidget;
class Titlebar;

// The widgets of the main window and their layout: title bar, toolbar,
// search field, editor with its outside scroll bar, side panel, status line.
class MainWndUi
{
public:
    void setupUi(CustomWindow *window);

    Titlebar *titlebar = nullptr;
    QWidget *central = nullptr;
    QVBoxLayout *outerLayout = nullptr;

    QPushButton *openButton = nullptr;
    QPushButton *reviewButton = nullptr;
    QPushButton *applyAllButton = nullptr;
    QPushButton *saveAsButton = nullptr;
    QPushButton *copyAllButton = nullptr;
    QPushButton *pasteButton = nullptr;
    QPushButton *clearAllButton = nullptr;
    QPushButton *reportButton = nullptr;

    QLineEdit *searchField = nullptr;
    QPushButton *searchButton = nullptr;
    QCheckBox *sidebarToggle = nullptr;

    QWidget *editorArea = nullptr;
    CustomTextEditor *editor = nullptr;
    QScrollBar *scrollBar = nullptr;
    QWidget *sidePanel = nullptr;
    CorrectionPanel *correctionPanel = nullptr; // fills the side panel

    QLabel *wordsLabel = nullptr;
    QLabel *errorsLabel = nullptr;
    QLabel *suggestionsLabel = nullptr;
    QWidget *summaryLine = nullptr;
    QPushButton *networkIndicator = nullptr;
    QPushButton *updateIndicator = nullptr;

    // The toolbar buttons that need text to work on.
    QList<QPushButton *> textButtons() const;
};

#endif
