#include "correctionpanelclass.h"
#include "themecolours.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace Ui {

void CorrectionPanelClass::setupUi(QWidget *panel)
{
    if (panel->objectName().isEmpty())
        panel->setObjectName(QStringLiteral("CorrectionPanelClass"));
    panel->setStyleSheet(ThemeColours::themed(QStringLiteral(
        "QPushButton#ignoreButton, QPushButton#addDictButton{border:1px solid #d6dbe1;"
        "border-radius:3px;padding:4px 10px;color:#444444;background:#ffffff;"
        "font:9pt \"Arial, Sans-serif\";}"
        "QPushButton#ignoreButton:hover, QPushButton#addDictButton:hover{border-color:#1872d9;"
        "background:#e9f1fb;}"
        "QWidget#panelContents{background:#ffffff;}"
        "QTextBrowser{border:none;background:#ffffff;color:#444444;font:10pt \"Arial, Sans-serif\";}")));

    outerLayout = new QVBoxLayout(panel);
    outerLayout->setContentsMargins(0, 0, 0, 0);
    outerLayout->setSpacing(0);

    scrollArea = new QScrollArea(panel);
    scrollArea->setObjectName(QStringLiteral("scrollArea"));
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contents = new QWidget;
    contents->setObjectName(QStringLiteral("panelContents"));
    contentsLayout = new QVBoxLayout(contents);
    contentsLayout->setContentsMargins(0, 8, 0, 8);
    contentsLayout->setSpacing(8);

    translation_panel = new QWidget(contents);
    translation_panel->setObjectName(QStringLiteral("translation_panel"));
    auto *bar = new QHBoxLayout(translation_panel);
    bar->setContentsMargins(10, 0, 10, 0);
    bar->setSpacing(4);
    sourceBox = new QComboBox(translation_panel);
    sourceBox->setObjectName(QStringLiteral("sourceBox"));
    exchangeButton = new QPushButton(translation_panel);
    exchangeButton->setObjectName(QStringLiteral("exchangeButton"));
    exchangeButton->setFixedWidth(30);
    exchangeButton->setText(QStringLiteral("\u21c4"));
    exchangeButton->setEnabled(false);
    targetBox = new QComboBox(translation_panel);
    targetBox->setObjectName(QStringLiteral("targetBox"));
    bar->addWidget(sourceBox, 1);
    bar->addWidget(exchangeButton);
    bar->addWidget(targetBox, 1);
    translation_panel->hide();
    contentsLayout->addWidget(translation_panel);

    correctionArea = new QWidget(contents);
    correctionArea->setObjectName(QStringLiteral("correctionArea"));
    auto *area = new QVBoxLayout(correctionArea);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(4);
    titleLabel = new QLabel(correctionArea);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setTextFormat(Qt::RichText);
    titleLabel->setWordWrap(true);
    area->addWidget(titleLabel);
    itemLayout = new QVBoxLayout;
    itemLayout->setObjectName(QStringLiteral("itemLayout"));
    itemLayout->setContentsMargins(0, 0, 0, 0);
    itemLayout->setSpacing(0);
    area->addLayout(itemLayout);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(10, 4, 10, 0);
    buttons->setSpacing(6);
    ignoreButton = new QPushButton(correctionArea);
    ignoreButton->setObjectName(QStringLiteral("ignoreButton"));
    ignoreButton->setCursor(Qt::PointingHandCursor);
    addDictButton = new QPushButton(correctionArea);
    addDictButton->setObjectName(QStringLiteral("addDictButton"));
    addDictButton->setCursor(Qt::PointingHandCursor);
    buttons->addWidget(ignoreButton);
    buttons->addWidget(addDictButton);
    buttons->addStretch();
    area->addLayout(buttons);
    correctionArea->hide();
    contentsLayout->addWidget(correctionArea);

    explanationView = new QTextBrowser(contents);
    explanationView->setObjectName(QStringLiteral("explanationView"));
    explanationView->setFrameShape(QFrame::NoFrame);
    explanationView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    explanationView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    explanationView->setOpenLinks(false);
    explanationView->setOpenExternalLinks(false);
    explanationView->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    explanationView->setMinimumHeight(40);
    contentsLayout->addWidget(explanationView);
    contentsLayout->addStretch(1);

    scrollArea->setWidget(contents);
    outerLayout->addWidget(scrollArea);

    retranslateUi(panel);
}

void CorrectionPanelClass::retranslateUi(QWidget *)
{
    ignoreButton->setText(QCoreApplication::translate("CorrectionPanelClass", "Ignore"));
    addDictButton->setText(QCoreApplication::translate("CorrectionPanelClass", "Add to Glossary"));
    exchangeButton->setToolTip(QCoreApplication::translate("CorrectionPanelClass", "Exchange languages"));
    // The button shows an arrow; screen readers say what it does.
    exchangeButton->setAccessibleName(exchangeButton->toolTip());
    explanationView->setAccessibleName(QCoreApplication::translate("CorrectionPanelClass", "Explanation"));
}

} // namespace Ui
