#ifndef CUSTOMCONTEXTMENU_H
#define CUSTOMCONTEXTMENU_H

#include "menuitemtype.h"

#include <QList>
#include <QMenu>
#include <QPointer>
#include <QSize>

class CorrectionItem;
class CustomAction;
class CustomTextEditor;
class QLabel;

// The editor's right-click menu. On a mark it offers the mark's candidates,
// "Ignore" and, for words that can go into the glossary, "Add to Glossary",
// each handed to the main window through the CallbackObject hub; elsewhere
// it offers "Cut", "Copy" and "Paste".
class CustomContextMenu : public QMenu
{
    Q_OBJECT
public:
    static constexpr int TipWidth = 238;
    static constexpr int TipHeight = 48;

    // The menu is a child of the editor; mark is the mark under the cursor,
    // or none.
    CustomContextMenu(CustomTextEditor *editor, CorrectionItem *mark);
    ~CustomContextMenu() override;

    // The mark the menu was opened for, until the menu has handed it on.
    CorrectionItem *mark() const { return m_mark; }
    QList<CustomAction *> candidateActions() const { return m_candidates; }
    // Present only in the matching kind of menu.
    QAction *cutAction() const { return m_cut; }
    QAction *copyAction() const { return m_copy; }
    QAction *pasteAction() const { return m_paste; }
    QAction *ignoreAction() const { return m_ignore; }
    QAction *appendAction() const { return m_append; }
    // The profanity warning tip (a top-level frameless label), or none once closed.
    QLabel *tip() const { return m_tip; }

    static QString styleSheetText();

signals:
    void signalCut();

public slots:
    void slotCorrClicked(int index);
    void slotIgnor();
    void slotAppend();
    void slotShowTip();
    void slotHideTip();

private:
    void buildEditActions();
    void buildMarkActions();
    void createTip();
    // The mark is still one of the editor's marks: one that went away while
    // the menu was open is not acted on.
    bool markIsListed() const;
    // Logs the event and hands the mark to the main window through the
    // callback hub, once; nothing when the mark is gone.
    void handOver(const char *event, MenuItemType type, int index);

    CustomTextEditor *m_editor;
    CorrectionItem *m_mark;
    QSize m_tipSize{TipWidth, TipHeight};
    QString m_tipText;
    QString m_tipStyle;
    QPointer<QLabel> m_tip;

    QList<CustomAction *> m_candidates;
    QAction *m_cut = nullptr;
    QAction *m_copy = nullptr;
    QAction *m_paste = nullptr;
    QAction *m_ignore = nullptr;
    QAction *m_append = nullptr;
};

#endif
