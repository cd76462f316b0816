#include "reportframe.h"

#include "currentlanguage.h"
#include "preferences.h"
#include "reportfigures.h"
#include "reportprogressbar.h"
#include "ringchart.h"
#include "themecolours.h"
#include "voccataprogressbar.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QUrl>

ReportFrame::ReportFrame(QWidget *parent)
    : Overlay(parent)
    , m_language(GammaLib::currentLanguage())
{
    setDimColor(ThemeColours::tone(Qt::white));
    m_form.setupUi(this);
    connect(m_form.closeButton, &QPushButton::clicked, this, &ReportFrame::signalClose);
    connect(m_form.shareButton, &QPushButton::clicked, this, &ReportFrame::signalShareResult);
    connect(m_form.levelButton, &QPushButton::clicked, this, &ReportFrame::slotGoToCEFR);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &ReportFrame::signalClose);
    showReport(-1.0, -1.0, {}, 0, 0, {});
}

void ReportFrame::showEvent(QShowEvent *event)
{
    Overlay::showEvent(event);
    m_form.closeButton->setFocus(Qt::OtherFocusReason);
}

QString ReportFrame::cefrAddress()
{
    return QStringLiteral("https://www.coe.int/en/web/common-european-framework-reference-languages");
}

void ReportFrame::showReport(double vocabularyScore, double structureScore, const QHash<int, int> &categories,
                             int sentenceCount, int wordCount, const QList<int> &levelCounts)
{
    const auto shares = ReportFigures::ringShares(categories);
    for (int i = 0; i < 3; ++i) {
        m_form.mistakeLabels[i]->setText(
            ReportFigures::mistakesText(ReportFigures::categoryCount(categories, i)));
        m_form.rings[i]->setValue(shares[i].span, shares[i].text());
        // What a screen reader says for the ring: its title, share and count.
        m_form.rings[i]->setAccessibleName(m_form.ringTitles[i]->text());
        m_form.rings[i]->setAccessibleDescription(shares[i].text() + QStringLiteral(", ")
                                                  + m_form.mistakeLabels[i]->text());
    }

    fillScore(vocabularyScore, true, m_form.vocabularyRating, m_form.vocabularyTooSimple, m_form.vocabularyBar);
    fillScore(structureScore, false, m_form.structureRating, m_form.structureTooSimple, m_form.structureBar);

    m_form.countsLabel->setText(ReportFigures::countsText(wordCount, sentenceCount));
    const bool enrichment = Preferences().enrichmentEnabled();
    m_form.suggestionsLabel->setText(ReportFigures::suggestionsText(
        enrichment, ReportFigures::categoryCount(categories, ReportFigures::Suggestions)));
    m_form.averageLabel->setText(ReportFigures::averageText(wordCount, sentenceCount));

    const QList<int> percentages = ReportFigures::levelPercentages(levelCounts);
    const QStringList texts = ReportFigures::levelTexts(m_language);
    const QStringList axes = ReportFigures::axisTexts(m_language);
    for (int i = 0; i < ReportFigures::LevelCount; ++i) {
        const int count = i < levelCounts.size() ? qMax(0, levelCounts.at(i)) : 0;
        m_form.levelBars[i]->setValue(percentages.at(i), count, texts.at(i));
        m_form.axisLabels[i]->setText(axes.at(i));
        m_form.levelBars[i]->setAccessibleName(axes.at(i));
        m_form.levelBars[i]->setAccessibleDescription(texts.at(i));
    }
    m_form.vocabularyBar->setAccessibleName(m_form.vocabularyTitle->text());
    m_form.structureBar->setAccessibleName(m_form.structureTitle->text());
    // New texts and the rating labels shown or hidden change the room the page
    // needs; the scroll area only notices when the page is resized.
    if (QWidget *page = m_form.scrollArea->widget())
        page->adjustSize();
}

void ReportFrame::fillScore(double score, bool kind, QLabel *rating, QLabel *tooSimple, ReportProgressBar *bar)
{
    rating->setText(ReportFigures::ratingText(score));
    const bool given = ReportFigures::scoreGiven(score);
    tooSimple->setVisible(!given);
    rating->setVisible(given);
    bar->setVisible(given);
    bar->setValue(ReportFigures::ratingBarValue(score), kind);
}

void ReportFrame::slotGoToCEFR()
{
    QDesktopServices::openUrl(QUrl(cefrAddress()));
}
