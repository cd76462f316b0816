#ifndef CUSTOMTEXTEDITOR_H
#define CUSTOMTEXTEDITOR_H

#include "segmentationeditor.h"

#include <QTextEdit>

class ChunkEntry;
class CorrectionItem;
class QAbstractButton;

// The document editor. Paste always goes through the main window
// (signalOnPaste), the vertical scroll bar is driven from outside, and after a
// review every flagged span carries a label with its top candidate.
class CustomTextEditor : public QTextEdit, public GammaLib::SegmentationEditor
{
    Q_OBJECT
public:
    // The added distance under each line while labels are shown, at the
    // usual text size; larger text gets more (lineDistance()).
    static constexpr int LineDistance = 36;

    explicit CustomTextEditor(QWidget *parent = nullptr);

    void setDocumentText(const QString &text);
    void setSampleText(const QString &text);
    QString sampleText() const { return m_sampleText; }
    QWidget *samplePrompt() const;

    bool hasText() const;
    bool isAllSelected() const;
    void resetUndo();
    // The labels sit in the added line distance under each text line; the
    // text has normal spacing while no label is shown.
    void applyLineSpacing();
    void removeLineSpacing();
    bool hasLineSpacing() const;
    // The added distance under each line for the current font.
    int lineDistance() const;
    // How far under its line's cursor rectangle a label sits.
    int labelOffset() const;
    void setLineSpacing(bool forLabels);

    void selectMark(CorrectionItem *mark);
    // The mark that holds position p (both span ends inclusive): entries are
    // skipped while p is at or beyond the next entry's start.
    CorrectionItem *markAt(int position) const;
    // The mark whose span is exactly [start, end].
    CorrectionItem *markSpanning(int start, int end) const;
    void ensureLabelVisible(CorrectionItem *mark);
    void repositionLabels();
    // Puts the labels back under their marks once pending edits, undo steps
    // and layout changes have been processed: one pass for a burst of changes.
    void scheduleLabelRepositioning();
    bool isLabelRepositioningPending() const { return m_repositionPending; }
    void createLabel(CorrectionItem *mark);
    void replaceSelection(QTextCursor &cursor, const QString &text);

    // The chunk list of the current review (owned by the main window), or none.
    QList<ChunkEntry *> *chunkList() const { return m_chunkList; }
    void setChunkList(QList<ChunkEntry *> *list) { m_chunkList = list; }
    // Read from the preference store when chunks are built; tests may set it.
    int englishLevel() const;

    void collectParagraphs(QList<ChunkEntry *> *chunkList, QList<int> &positions,
                           QStringList &paragraphs, QList<bool> &titleFlags) override;
    void buildChunks(const QList<int> &positions, const QList<QList<int>> &endLists) override;

signals:
    void signalShowDict(bool bShow);
    void signalContextMenu(QContextMenuEvent *e);
    void signalOnPaste(const QString &text);

public slots:
    void slotTextChanged();
    void slotSampleBtnClicked();

    // Paste: text goes to the main window as plain text; anything else is ignored.
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;

protected:
    void contextMenuEvent(QContextMenuEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<ChunkEntry *> *m_chunkList = nullptr;
    QString m_sampleText;
    QAbstractButton *m_samplePrompt = nullptr;
    bool m_repositionPending = false;
};

#endif
