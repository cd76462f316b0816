#ifndef REPORTFRAME_H
#define REPORTFRAME_H

#include "overlay.h"
#include "reportframeform.h"

#include <QHash>
#include <QList>
#include <QString>

// The writing report shown over the document after a review: mistakes by
// kind with their shares as rings, the ratings of the writer's vocabulary and
// sentence structure, word and sentence counts, enrichment suggestions and
// how the document's words spread over the vocabulary levels.
class ReportFrame : public Overlay
{
    Q_OBJECT
public:
    explicit ReportFrame(QWidget *parent = nullptr);

    // Fills every widget from one review's figures. The scores are the
    // service's, -1 when it gave none; categories is the mistake table of
    // ReportFigures; levelCounts holds the words of each of the six levels.
    void showReport(double vocabularyScore, double structureScore, const QHash<int, int> &categories,
                    int sentenceCount, int wordCount, const QList<int> &levelCounts);

    const Ui::ReportFrameClass &form() const { return m_form; }

    // The interface language choosing the level names; by default the
    // program's current language.
    void setLanguage(const QString &language) { m_language = language; }
    QString language() const { return m_language; }

    // The Council of Europe's public page about the CEFR levels.
    static QString cefrAddress();

signals:
    void signalClose();
    void signalShareResult();

public slots:
    void slotGoToCEFR();

protected:
    // The close button takes the focus, so Space or Return closes the report
    // at once; Escape closes it from anywhere in it.
    void showEvent(QShowEvent *event) override;

private:
    void fillScore(double score, bool kind, QLabel *rating, QLabel *tooSimple, ReportProgressBar *bar);

    Ui::ReportFrameClass m_form;
    QString m_language;
};

#endif
