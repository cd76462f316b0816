#include "reportframeform.h"

#include "reportprogressbar.h"
#include "ringchart.h"
#include "voccataprogressbar.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace Ui {

namespace {

QLabel *label(QWidget *parent, const char *objectName, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *result = new QLabel(parent);
    result->setObjectName(QLatin1String(objectName));
    result->setAlignment(alignment);
    return result;
}

} // namespace

void ReportFrameClass::setupUi(QWidget *frame)
{
    frame->setObjectName(QStringLiteral("ReportFrameClass"));
    frame->setStyleSheet(QStringLiteral(
        "QWidget#reportPage{background:#ffffff;}"
        "QLabel{color:#555555;font:10pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"title\"]{color:#333333;font:bold 11pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"rating\"]{color:#3572BF;font:bold 12pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"figure\"]{color:#333333;font:11pt \"Arial, Sans-serif\";}"
        "QPushButton#reportClose{border:none;background:transparent;color:#888888;font:16pt \"Arial, Sans-serif\";}"
        "QPushButton#reportClose:hover{color:#FA5050;}"
        "QPushButton#levelButton{border:none;background:transparent;color:#1872d9;"
        "text-decoration:underline;font:10pt \"Arial, Sans-serif\";}"
        "QProgressBar{border:none;background:#F3F7FB;}"
        "QProgressBar::chunk{background:#3572BF;}"));

    auto *outer = new QVBoxLayout(frame);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = scrollArea = new QScrollArea(frame);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("reportPage"));
    scroll->setWidget(page);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 8, 16, 16);
    pageLayout->setSpacing(12);

    auto *top = new QHBoxLayout;
    top->addStretch();
    closeButton = new QPushButton(QStringLiteral("\u00D7"), page);
    closeButton->setObjectName(QStringLiteral("reportClose"));
    closeButton->setCursor(Qt::PointingHandCursor);
    closeButton->setFixedSize(28, 28);
    top->addWidget(closeButton);
    pageLayout->addLayout(top);

    // Mistakes: three rings.
    auto *ringRow = new QHBoxLayout;
    ringRow->setSpacing(24);
    for (int i = 0; i < 3; ++i) {
        auto *column = new QVBoxLayout;
        column->setSpacing(6);
        ringTitles[i] = label(page, "ringTitle", Qt::AlignCenter);
        ringTitles[i]->setProperty("role", QStringLiteral("title"));
        rings[i] = new RingChart(page);
        mistakeLabels[i] = label(page, "mistakeLabel", Qt::AlignCenter);
        column->addWidget(ringTitles[i]);
        column->addWidget(rings[i], 0, Qt::AlignHCenter);
        column->addWidget(mistakeLabels[i]);
        ringRow->addLayout(column);
    }
    ringRow->addStretch();
    pageLayout->addLayout(ringRow);

    auto *lower = new QHBoxLayout;
    lower->setSpacing(32);

    // Scores.
    auto *scores = new QVBoxLayout;
    scores->setSpacing(4);
    auto scoreBlock = [&](QLabel *&title, QLabel *&rating, QLabel *&tooSimple, ReportProgressBar *&bar) {
        title = label(page, "scoreTitle");
        title->setProperty("role", QStringLiteral("title"));
        rating = label(page, "scoreRating");
        rating->setProperty("role", QStringLiteral("rating"));
        tooSimple = label(page, "tooSimple");
        bar = new ReportProgressBar(page);
        auto *head = new QHBoxLayout;
        head->addWidget(title);
        head->addSpacing(8);
        head->addWidget(rating);
        head->addWidget(tooSimple);
        head->addStretch();
        scores->addLayout(head);
        scores->addWidget(bar);
        scores->addSpacing(10);
    };
    scoreBlock(vocabularyTitle, vocabularyRating, vocabularyTooSimple, vocabularyBar);
    scoreBlock(structureTitle, structureRating, structureTooSimple, structureBar);
    scores->addStretch();
    lower->addLayout(scores);

    // Counts.
    auto *counts = new QVBoxLayout;
    counts->setSpacing(4);
    auto countLine = [&](QLabel *&title, QLabel *&value) {
        title = label(page, "countTitle");
        title->setProperty("role", QStringLiteral("title"));
        value = label(page, "countValue");
        value->setProperty("role", QStringLiteral("figure"));
        counts->addWidget(title);
        counts->addWidget(value);
        counts->addSpacing(8);
    };
    countLine(suggestionsTitle, suggestionsLabel);
    countLine(countsTitle, countsLabel);
    countLine(averageTitle, averageLabel);
    counts->addStretch();
    lower->addLayout(counts);

    // Vocabulary levels.
    auto *levels = new QVBoxLayout;
    levels->setSpacing(4);
    levelButton = new QPushButton(page);
    levelButton->setObjectName(QStringLiteral("levelButton"));
    levelButton->setCursor(Qt::PointingHandCursor);
    levels->addWidget(levelButton, 0, Qt::AlignLeft);
    auto *chart = new QGridLayout;
    chart->setHorizontalSpacing(10);
    chart->setVerticalSpacing(2);
    for (int i = 0; i < 6; ++i) {
        levelBars[i] = new VocCataProgressBar(page);
        levelBars[i]->setOrientation(Qt::Vertical);
        levelBars[i]->setFixedSize(22, 120);
        axisLabels[i] = label(page, "axisLabel", Qt::AlignCenter);
        chart->addWidget(levelBars[i], 0, i, Qt::AlignHCenter);
        chart->addWidget(axisLabels[i], 1, i, Qt::AlignHCenter);
    }
    levels->addLayout(chart);
    levels->addStretch();
    lower->addLayout(levels);
    lower->addStretch();

    pageLayout->addLayout(lower);
    pageLayout->addStretch();

    retranslateUi();
}

void ReportFrameClass::retranslateUi()
{
    ringTitles[0]->setText(tr("Spelling Mistakes"));
    ringTitles[1]->setText(tr("Grammar Mistakes"));
    ringTitles[2]->setText(tr("Other Mistakes"));
    for (QLabel *mistakes : mistakeLabels)
        mistakes->setText(tr("%1 mistake(s) found").arg(0));
    vocabularyTitle->setText(tr("Vocabulary"));
    vocabularyTooSimple->setText(tr("(Too simple to tell.)"));
    structureTitle->setText(tr("Structure"));
    structureTooSimple->setText(tr("(Too simple to tell.)"));
    levelButton->setText(tr("vocabulary level"));
    static const char *const axes[6] = {QT_TR_NOOP("A1"), QT_TR_NOOP("A2"), QT_TR_NOOP("B1"),
                                        QT_TR_NOOP("B2"), QT_TR_NOOP("C1"), QT_TR_NOOP("C2")};
    for (int i = 0; i < 6; ++i)
        axisLabels[i]->setText(tr(axes[i]));
    suggestionsTitle->setText(tr("Total Suggestions"));
    countsTitle->setText(tr("Word and Sentence Count"));
    averageTitle->setText(tr("Average Length"));
}

} // namespace Ui
