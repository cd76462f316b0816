#ifndef REPORTPROGRESSBAR_H
#define REPORTPROGRESSBAR_H

#include <QLabel>
#include <QPixmap>

// The rating bar of a score block: value steps of 21 px out of ten, filled
// in the colour of its kind (vocabulary or structure), empty after that.
class ReportProgressBar : public QLabel
{
    Q_OBJECT
public:
    static constexpr int StepWidth = 21;
    static constexpr int MaxValue = 10;

    explicit ReportProgressBar(QWidget *parent = nullptr);

    // value: 0..10 (clamped); kind: true for vocabulary, false for structure.
    void setValue(int value, bool kind);
    int value() const { return m_value; }
    bool kind() const { return m_kind; }

    // The compiled-in pictures of the bars.
    static QString vocabularyPicture() { return QStringLiteral(":/MainWnd/Resources/stat_chert_3.png"); }
    static QString structurePicture() { return QStringLiteral(":/MainWnd/Resources/stat_chert_2.png"); }
    static QString emptyPicture() { return QStringLiteral(":/MainWnd/Resources/stat_chert_1.png"); }
    // Registers the report's pictures (the widgets live in a static library).
    static void ensureResources();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_vocabulary;
    QPixmap m_structure;
    QPixmap m_empty;
    int m_stepWidth = StepWidth;
    int m_value = 0;
    bool m_kind = true;
};

#endif
