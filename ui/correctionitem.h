#ifndef CORRECTIONITEM_H
#define CORRECTIONITEM_H

#include "ccorrection.h"

#include <QMetaType>
#include <QStringList>
#include <QTextCursor>

class ChunkEntry;
class ClickableLabel;

// One flagged span in the editor. Its cursor is live, so the span moves and
// stretches with edits made elsewhere in the document.
class CorrectionItem
{
public:
    enum Colour { MarkColour, EnrichmentColour, PlainColour };

    CorrectionItem(const QTextCursor &cursor, const CCorrection &correction, ChunkEntry *owner);
    ~CorrectionItem(); // hides the label and has it destroyed
    CorrectionItem(const CorrectionItem &) = delete;
    CorrectionItem &operator=(const CorrectionItem &) = delete;

    QString candidateText(int i) const;
    // One display line per candidate: "Insert: x", "Delete: word" or the candidate.
    QStringList candidateList() const;
    // The text of the label under the span.
    QString labelText() const;

    // Carries out candidate i (deletion and insertion ignore i's text where
    // they must); an unknown edit type changes nothing.
    void apply(int i);

    bool isCaseOnlyStyle() const;
    bool canAddToGlossary() const;

    void paintMark();
    void paintPlain();

    const CCorrection &correctionRecord() const { return m_correction; }
    // The panel keeps the fetched explanation in the mark's record.
    CCorrection &correctionRecord() { return m_correction; }
    int markErrorType() const { return m_markErrorType; }
    int editType() const { return m_editType; }
    QString flaggedText() const { return m_flaggedText; }
    ChunkEntry *owner() const { return m_owner; }
    ClickableLabel *label() const { return m_label; }
    void setLabel(ClickableLabel *label) { m_label = label; }
    QTextCursor &cursor() { return m_cursor; }
    const QTextCursor &cursor() const { return m_cursor; }
    int start() const { return m_cursor.selectionStart(); }
    int end() const { return m_cursor.selectionEnd(); }

    static QString colourName(Colour colour);

private:
    void paint(const QString &colour);

    QTextCursor m_cursor;
    CCorrection m_correction;
    ClickableLabel *m_label = nullptr;
    int m_editType = 4;
    int m_markErrorType = 8;
    QString m_flaggedText;
    ChunkEntry *m_owner = nullptr;
};

Q_DECLARE_METATYPE(CorrectionItem *)

#endif
