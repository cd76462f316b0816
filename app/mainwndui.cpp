#include "mainwndui.h"

#include "correctionpanel.h"
#include "customtexteditor.h"
#include "customwindow.h"
#include "themecolours.h"
#include "titlebar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QPushButton *toolButton(const QString &text, const QString &tip, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setToolTip(tip);
    button->setCursor(Qt::PointingHandCursor);
    button->setMinimumHeight(30);
    return button;
}

} // namespace

QList<QPushButton *> MainWndUi::textButtons() const
{
    return {reviewButton, saveAsButton, copyAllButton, clearAllButton};
}

void MainWndUi::setupUi(CustomWindow *window)
{
    central = new QWidget(window);
    central->setObjectName(QStringLiteral("mainCentral"));
    // Neutral colours follow the palette (a dark theme gives a dark window);
    // the blue of the Review button stays.
    using ThemeColours::toneName;
    central->setStyleSheet(QStringLiteral(
        "#mainCentral{background:%1;}"
        "QPushButton{border:1px solid %2;border-radius:3px;padding:4px 7px;color:%3;"
        "background:%4;font:10pt \"Arial, Sans-serif\";}"
        "QPushButton:hover{background:%5;border-color:#1872d9;}"
        "QPushButton:disabled{color:%6;background:%7;border-color:%8;}"
        "QPushButton#reviewButton{background:#1872d9;color:white;border-color:#1872d9;font-weight:bold;}"
        "QPushButton#reviewButton:disabled{background:%9;border-color:%9;}"
        // A clear ring round the button that has the keyboard focus.
        "QPushButton:focus{border:2px solid %10;padding:3px 6px;}"
        "QPushButton#reviewButton:focus{border:2px solid %10;padding:3px 6px;}"
        "QCheckBox:focus{outline:none;border:2px solid %10;border-radius:3px;}"
        "QLineEdit{border:1px solid %2;border-radius:3px;padding:4px 6px;}"
        "QLabel{color:%11;font:9pt \"Arial, Sans-serif\";}")
                               .arg(toneName("#ffffff"), toneName("#d6dbe1"), toneName("#444444"),
                                    toneName("#f7f9fb"), toneName("#e9f1fb"), toneName("#b0b0b0"),
                                    toneName("#fafafa"), toneName("#eeeeee"), toneName("#9bbfe9"))
                               .arg(toneName("#0a3d7a"), toneName("#666666")));
    outerLayout = new QVBoxLayout(central);
    outerLayout->setContentsMargins(12, 10, 12, 14);
    outerLayout->setSpacing(0);

    titlebar = new Titlebar(central);
    titlebar->setTitle(QStringLiteral("Quillet"));
    // The main window can be maximised from its button or a double click.
    titlebar->setMaximizeVisible(true);
    titlebar->setShareVisible(true);
    outerLayout->addWidget(titlebar);

    auto *toolbar = new QHBoxLayout;
    toolbar->setContentsMargins(14, 8, 14, 8);
    // Tight enough that the longest language (Spanish), with the report
    // button's room kept, still fits a screen 1024 pixels wide.
    toolbar->setSpacing(5);
    openButton = toolButton(QObject::tr("Open"), QObject::tr("Open"), central);
    reviewButton = toolButton(QObject::tr("Review"), QObject::tr("Review"), central);
    reviewButton->setObjectName(QStringLiteral("reviewButton"));
    applyAllButton = toolButton(QObject::tr("Apply all"), QObject::tr("Apply all"), central);
    saveAsButton = toolButton(QObject::tr("Save as"), QObject::tr("Save as"), central);
    copyAllButton = toolButton(QObject::tr("Copy all"), QObject::tr("Copy all"), central);
    pasteButton = toolButton(QObject::tr("Paste"), QObject::tr("Paste"), central);
    clearAllButton = toolButton(QObject::tr("Clear all"), QObject::tr("Clear all"), central);
    reportButton = toolButton(QObject::tr("Report"), QObject::tr("Report"), central);
    for (QPushButton *button : {openButton, reviewButton, applyAllButton, saveAsButton,
                                copyAllButton, pasteButton, clearAllButton, reportButton})
        toolbar->addWidget(button);
    // The report button comes and goes with reviews; its room stays, so the
    // window's smallest width does not change under the user (a restore
    // after maximise would come back wider than before).
    QSizePolicy keepRoom = reportButton->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    reportButton->setSizePolicy(keepRoom);
    reportButton->hide();
    toolbar->addStretch();
    searchField = new QLineEdit(central);
    searchField->setPlaceholderText(QObject::tr("Search or Translate"));
    // Narrower when the tool bar's texts are long (Spanish), so the window
    // still fits a small screen.
    searchField->setMinimumWidth(100);
    searchField->setMaximumWidth(200);
    searchButton = toolButton(QObject::tr("Search"), QObject::tr("Search"), central);
    searchButton->setEnabled(false);
    sidebarToggle = new QCheckBox(QObject::tr("Side panel"), central);
    toolbar->addWidget(searchField);
    toolbar->addWidget(searchButton);
    toolbar->addWidget(sidebarToggle);
    outerLayout->addLayout(toolbar);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    editorArea = new QWidget(central);
    auto *editorLayout = new QHBoxLayout(editorArea);
    editorLayout->setContentsMargins(0, 0, 0, 0);
    editorLayout->setSpacing(0);
    editor = new CustomTextEditor(editorArea);
    editor->setFrameShape(QFrame::NoFrame);
    scrollBar = new QScrollBar(Qt::Vertical, editorArea);
    scrollBar->hide();
    editorLayout->addWidget(editor);
    editorLayout->addWidget(scrollBar);
    body->addWidget(editorArea, 1);
    sidePanel = new QWidget(central);
    sidePanel->setObjectName(QStringLiteral("sidePanel"));
    sidePanel->setFixedWidth(260);
    sidePanel->setStyleSheet(QStringLiteral("#sidePanel{background:%1;border-left:1px solid %2;}")
                                 .arg(ThemeColours::toneName("#f5f7fa"), ThemeColours::toneName("#e6e6e6")));
    sidePanel->hide();
    auto *sideLayout = new QVBoxLayout(sidePanel);
    sideLayout->setContentsMargins(1, 0, 0, 0);
    correctionPanel = new CorrectionPanel(sidePanel);
    sideLayout->addWidget(correctionPanel);
    body->addWidget(sidePanel);
    outerLayout->addLayout(body, 1);

    auto *status = new QHBoxLayout;
    status->setContentsMargins(14, 6, 14, 4);
    summaryLine = new QWidget(central);
    auto *summaryLayout = new QHBoxLayout(summaryLine);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    wordsLabel = new QLabel(summaryLine);
    errorsLabel = new QLabel(summaryLine);
    suggestionsLabel = new QLabel(summaryLine);
    summaryLayout->addWidget(wordsLabel);
    summaryLayout->addSpacing(16);
    summaryLayout->addWidget(errorsLabel);
    summaryLayout->addSpacing(16);
    summaryLayout->addWidget(suggestionsLabel);
    summaryLine->hide();
    status->addWidget(summaryLine);
    status->addStretch();
    networkIndicator = new QPushButton(QObject::tr("Network connection fails"), central);
    networkIndicator->setFlat(true);
    networkIndicator->setStyleSheet(QStringLiteral("QPushButton{border:none;background:transparent;color:#FA5050;}"));
    networkIndicator->hide();
    updateIndicator = new QPushButton(QObject::tr("Updates available"), central);
    updateIndicator->setFlat(true);
    updateIndicator->setCursor(Qt::PointingHandCursor);
    updateIndicator->setStyleSheet(QStringLiteral("QPushButton{border:none;background:transparent;color:#1872d9;}"));
    updateIndicator->hide();
    status->addWidget(networkIndicator);
    status->addWidget(updateIndicator);
    outerLayout->addLayout(status);

    window->setCentralWidget(central);
    window->setTitlebar(titlebar);
}
