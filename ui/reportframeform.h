#ifndef REPORTFRAMEFORM_H
#define REPORTFRAMEFORM_H

#include <QCoreApplication>

#include <array>

class QLabel;
class QPushButton;
class QScrollArea;
class QWidget;
class ReportProgressBar;
class RingChart;
class VocCataProgressBar;

namespace Ui {

// The widgets of the writing report and their layout: the three mistake
// rings, the two score blocks, the count lines and the vocabulary level
// chart, inside a scroll area so a small window still reaches everything.
class ReportFrameClass
{
    Q_DECLARE_TR_FUNCTIONS(ReportFrameClass)

public:
    void setupUi(QWidget *frame);
    // Puts the fixed texts in the interface language.
    void retranslateUi();

    QScrollArea *scrollArea = nullptr; // holds the page with everything below
    QPushButton *closeButton = nullptr;
    QPushButton *shareButton = nullptr; // shares the result on the social network

    std::array<QLabel *, 3> ringTitles{};   // spelling, grammar, other
    std::array<RingChart *, 3> rings{};
    std::array<QLabel *, 3> mistakeLabels{};

    QLabel *vocabularyTitle = nullptr;
    QLabel *vocabularyRating = nullptr;
    QLabel *vocabularyTooSimple = nullptr;
    ReportProgressBar *vocabularyBar = nullptr;
    QLabel *structureTitle = nullptr;
    QLabel *structureRating = nullptr;
    QLabel *structureTooSimple = nullptr;
    ReportProgressBar *structureBar = nullptr;

    QLabel *suggestionsTitle = nullptr;
    QLabel *suggestionsLabel = nullptr;
    QLabel *countsTitle = nullptr;
    QLabel *countsLabel = nullptr;
    QLabel *averageTitle = nullptr;
    QLabel *averageLabel = nullptr;

    QPushButton *levelButton = nullptr; // "vocabulary level": opens the CEFR page
    std::array<VocCataProgressBar *, 6> levelBars{};
    std::array<QLabel *, 6> axisLabels{};
};

} // namespace Ui

#endif
