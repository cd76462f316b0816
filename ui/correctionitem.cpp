#include "correctionitem.h"

#include "clickablelabel.h"
#include "errortype.h"
#include "themecolours.h"

#include <QCoreApplication>
#include <QTextCharFormat>

CorrectionItem::CorrectionItem(const QTextCursor &cursor, const CCorrection &correction,
                               ChunkEntry *owner)
    : m_cursor(cursor)
    , m_correction(correction)
    , m_owner(owner)
{
    if (!m_correction.candidates.isEmpty())
        m_editType = m_correction.candidates.first().editTypeCode();
    m_markErrorType = m_correction.errorTypeCode;
    m_flaggedText = m_cursor.selectedText();
}

CorrectionItem::~CorrectionItem()
{
    // A click on the label itself may be what retires the mark: the label
    // is still inside its own mouse handler then, so it goes once that is done.
    if (m_label) {
        m_label->hide();
        m_label->deleteLater();
    }
}

QString CorrectionItem::candidateText(int i) const
{
    if (i < 0 || i >= m_correction.candidates.size())
        return QString();
    return QString::fromUtf8(m_correction.candidates.at(i).correction);
}

QStringList CorrectionItem::candidateList() const
{
    QStringList list;
    for (int i = 0; i < m_correction.candidates.size(); ++i) {
        if (m_editType == 3)
            list << QCoreApplication::translate("CorrectionItem", "Insert: ") + candidateText(i);
        else if (m_editType == 2)
            list << QCoreApplication::translate("CorrectionItem", "Delete: ") + m_flaggedText;
        else
            list << candidateText(i);
    }
    return list;
}

QString CorrectionItem::labelText() const
{
    if (m_editType == 2)
        return QStringLiteral("Delete");
    if (m_editType == 3)
        return candidateText(0) + QLatin1Char(' ') + m_flaggedText;
    return candidateText(0);
}

void CorrectionItem::apply(int i)
{
    // Without such a candidate a replacement or insertion would only delete
    // the flagged text.
    if ((m_editType == 1 || m_editType == 3)
        && (i < 0 || i >= m_correction.candidates.size()))
        return;
    QString text;
    switch (m_editType) {
    case 1:
        text = candidateText(i);
        break;
    case 2:
        text = QStringLiteral(" ");
        break;
    case 3:
        text = candidateText(i) + QLatin1Char(' ') + m_flaggedText;
        break;
    default:
        return;
    }
    // Insert after the span first, then remove the old characters one by one
    // from its start: other live cursors keep their places.
    const int start = m_cursor.selectionStart();
    const int length = m_cursor.selectionEnd() - start;
    QTextCursor insert(m_cursor.document());
    insert.setPosition(m_cursor.selectionEnd());
    insert.insertText(text);
    QTextCursor remove(m_cursor.document());
    remove.setPosition(start);
    for (int n = 0; n < length; ++n)
        remove.deleteChar();
}

bool CorrectionItem::isCaseOnlyStyle() const
{
    return m_markErrorType == STYLE && m_correction.candidates.size() == 1
           && candidateText(0).toLower() == m_flaggedText.toLower();
}

bool CorrectionItem::canAddToGlossary() const
{
    return m_markErrorType == NONWORD || isCaseOnlyStyle();
}

QString CorrectionItem::colourName(Colour colour)
{
    switch (colour) {
    case MarkColour:
        return QStringLiteral("#FA5050");
    case EnrichmentColour:
        return QStringLiteral("#19A0DC");
    case PlainColour:
        break;
    }
    // The editor's text colour: grey on a light palette, lighter on a dark one.
    return ThemeColours::toneName("#666666");
}

void CorrectionItem::paint(const QString &colour)
{
    QTextCharFormat format = m_cursor.charFormat();
    format.setForeground(QColor(colour));
    m_cursor.mergeCharFormat(format);
}

void CorrectionItem::paintMark()
{
    paint(colourName(m_markErrorType == IMPROVE ? EnrichmentColour : MarkColour));
}

void CorrectionItem::paintPlain()
{
    paint(colourName(PlainColour));
}
