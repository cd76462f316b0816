#include "reportframeform.h"

#include "reportprogressbar.h"
#include "ringchart.h"
#include "voccataprogressbar.h"
#include "themecolours.h"

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
    frame->setStyleSheet(ThemeColours::themed(QStringLiteral(
        "QWidget#reportPage{background:#ffffff;}"
        "QLabel{color:#555555;font:10pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"title\"]{color:#333333;font:bold 11pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"rating\"]{color:#3572BF;font:bold 12pt \"Arial, Sans-serif\";}"
        "QLabel[role=\"figure\"]{color:#333333;font:11pt \"Arial, Sans-serif\";}"
        "QWidget#reportHeader{background:#ffffff;}"
        "QPushButton#reportClose{border:1px solid #d6dbe1;border-radius:16px;background:#f7f9fb;color:#555555;"
        "font:bold 15pt \"Arial, Sans-serif\";padding:0px;}"
        "QPushButton#reportClose:hover{color:#ffffff;background:#FA5050;border-color:#FA5050;}"
        "QPushButton#reportClose:focus{border:2px solid #0a3d7a;}"
        "QPushButton#reportShare{border:1px solid #1872d9;border-radius:3px;background:#1872d9;color:#ffffff;"
        "font:bold 10pt \"Arial, Sans-serif\";padding:4px 14px;}"
        "QPushButton#reportShare:hover{background:#0f5fb8;border-color:#0f5fb8;}"
        "QPushButton#reportShare:focus{border:2px solid #0a3d7a;padding:3px 13px;}"
        "QPushButton#levelButton{border:none;background:transparent;color:#1872d9;"
        "text-decoration:underline;font:10pt \"Arial, Sans-serif\";}"
        "QProgressBar{border:none;background:#F3F7FB;}"
        "QProgressBar::chunk{background:#3572BF;}")));

    auto *outer = new QVBoxLayout(frame);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    // The close button stays in sight above the page, whatever is scrolled.
    auto *header = new QWidget(frame);
    header->setObjectName(QStringLiteral("reportHeader"));
    header->setAttribute(Qt::WA_StyledBackground);
    auto *top = new QHBoxLayout(header);
    top->setContentsMargins(20, 8, 12, 6);
    shareButton = new QPushButton(header);
    shareButton->setObjectName(QStringLiteral("reportShare"));
    shareButton->setCursor(Qt::PointingHandCursor);
    shareButton->setMinimumHeight(30);
    top->addWidget(shareButton);
    top->addStretch();
    closeButton = new QPushButton(QStringLiteral("\u00D7"), header);
    closeButton->setObjectName(QStringLiteral("reportClose"));
    closeButton->setCursor(Qt::PointingHandCursor);
    closeButton->setFixedSize(32, 32);
    // The button shows a multiplication sign; it is read out as "Close".
    closeButton->setAccessibleName(QCoreApplication::translate("Titlebar", "Close"));
    top->addWidget(closeButton);
    outer->addWidget(header);

    auto *scroll = scrollArea = new QScrollArea(frame);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The page is laid out to the pane's width: nothing hides to the side.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll);
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("reportPage"));
    scroll->setWidget(page);

    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(20, 0, 16, 16);
    pageLayout->setSpacing(16);

    // Mistakes: three rings.
    auto *ringRow = new QHBoxLayout;
    ringRow->setSpacing(16);
    for (int i = 0; i < 3; ++i) {
        auto *column = new QVBoxLayout;
        column->setSpacing(6);
        ringTitles[i] = label(page, "ringTitle", Qt::AlignCenter);
        ringTitles[i]->setProperty("role", QStringLiteral("title"));
        ringTitles[i]->setWordWrap(true);
        rings[i] = new RingChart(page);
        rings[i]->setDiameters(120, 80);
        mistakeLabels[i] = label(page, "mistakeLabel", Qt::AlignCenter);
        mistakeLabels[i]->setWordWrap(true);
        column->addWidget(ringTitles[i]);
        column->addWidget(rings[i], 0, Qt::AlignHCenter);
        column->addWidget(mistakeLabels[i]);
        ringRow->addLayout(column, 1);
    }
    pageLayout->addLayout(ringRow);

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
    pageLayout->addLayout(scores);

    // Counts beside the vocabulary levels.
    auto *lower = new QHBoxLayout;
    lower->setSpacing(24);

    // Counts.
    auto *counts = new QVBoxLayout;
    counts->setSpacing(4);
    auto countLine = [&](QLabel *&title, QLabel *&value) {
        title = label(page, "countTitle");
        title->setProperty("role", QStringLiteral("title"));
        value = label(page, "countValue");
        value->setProperty("role", QStringLiteral("figure"));
        title->setWordWrap(true);
        value->setWordWrap(true);
        counts->addWidget(title);
        counts->addWidget(value);
        counts->addSpacing(8);
    };
    countLine(suggestionsTitle, suggestionsLabel);
    countLine(countsTitle, countsLabel);
    countLine(averageTitle, averageLabel);
    counts->addStretch();
    lower->addLayout(counts, 1);

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

    pageLayout->addLayout(lower);
    pageLayout->addStretch();

    retranslateUi();
}

void ReportFrameClass::retranslateUi()
{
    shareButton->setText(tr("Share my result"));
    shareButton->setToolTip(tr("Tell your friends about Quillet"));
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
