#include "tutorialoverlay.h"
#include "themecolours.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TutorialOverlay::TutorialOverlay(QWidget *parent)
    : Overlay(parent)
{
    setObjectName(QStringLiteral("TutorialOverlay"));
    setDimColor(QColor(0, 0, 0, 150));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("tutorialPanel"));
    panel->setFixedWidth(420);
    panel->setStyleSheet(ThemeColours::themed(QStringLiteral(
        "#tutorialPanel { background: #ffffff; border-radius: 8px; }"
        "#lb_tutorial_title { color: #2b8a5e; font-size: 18px; font-weight: bold; }"
        "#lb_tutorial_text { color: #555555; font-size: 13px; }"
        "#lb_tutorial_dots { color: #999999; }")));

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(28, 24, 28, 20);
    column->setSpacing(14);
    m_title = new QLabel(panel);
    m_title->setObjectName(QStringLiteral("lb_tutorial_title"));
    column->addWidget(m_title);
    m_text = new QLabel(panel);
    m_text->setObjectName(QStringLiteral("lb_tutorial_text"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumHeight(60);
    column->addWidget(m_text);

    auto *row = new QHBoxLayout;
    m_dots = new QLabel(panel);
    m_dots->setObjectName(QStringLiteral("lb_tutorial_dots"));
    row->addWidget(m_dots);
    row->addStretch();
    m_next = new QPushButton(tr("Next"), panel);
    m_next->setObjectName(QStringLiteral("btn_next"));
    row->addWidget(m_next);
    m_go = new QPushButton(tr("Go"), panel);
    m_go->setObjectName(QStringLiteral("btn_go"));
    m_go->setDefault(true);
    row->addWidget(m_go);
    column->addLayout(row);

    auto *grid = new QGridLayout(this);
    grid->addWidget(panel, 0, 0, Qt::AlignCenter);

    connect(m_next, &QPushButton::clicked, this, &TutorialOverlay::next);
    connect(m_go, &QPushButton::clicked, this, &TutorialOverlay::signalGoClicked);

    setPages(defaultPages());
}

QList<TutorialOverlay::Page> TutorialOverlay::defaultPages()
{
    return {
        {tr("Welcome to Quillet"),
         tr("Type or paste your English text into the editor, or open a document.")},
        {tr("Review"),
         tr("Press Review. Quillet checks every sentence and colours each word it would change.")},
        {tr("One click to correct"),
         tr("The best correction sits in a small label under the word: click it to apply. "
            "The side panel shows more choices and explains the rule.")},
        {tr("Ready?"),
         tr("Press Go and start writing.")},
    };
}

void TutorialOverlay::setPages(const QList<Page> &pages)
{
    m_pages = pages;
    m_current = 0;
    showPage();
}

void TutorialOverlay::setCurrentPage(int index)
{
    if (m_pages.isEmpty())
        return;
    m_current = qBound(0, index, pageCount() - 1);
    showPage();
}

void TutorialOverlay::next()
{
    if (!isLastPage())
        setCurrentPage(m_current + 1);
}

void TutorialOverlay::showPage()
{
    const bool empty = m_pages.isEmpty();
    m_title->setText(empty ? QString() : m_pages.at(m_current).title);
    m_text->setText(empty ? QString() : m_pages.at(m_current).text);
    QString dots;
    for (int i = 0; i < pageCount(); ++i)
        dots += i == m_current ? QStringLiteral("\u25cf ") : QStringLiteral("\u25cb ");
    m_dots->setText(dots.trimmed());
    // "Go" only on the last page; a guide without pages is just "Go".
    m_next->setVisible(!isLastPage());
    m_go->setVisible(isLastPage());
    (isLastPage() ? m_go : m_next)->setFocus(Qt::OtherFocusReason);
}

void TutorialOverlay::showEvent(QShowEvent *event)
{
    Overlay::showEvent(event);
    setFocus(Qt::OtherFocusReason);
    // The window may hand the focus on later (the sample-text prompt comes
    // up when its text arrives); the tutorial keeps it while it is up.
    if (!m_keepingFocus) {
        m_keepingFocus = true;
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (isVisible() && now && now != this && now->window() == window() && !isAncestorOf(now))
                setFocus(Qt::OtherFocusReason);
        });
    }
}

void TutorialOverlay::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (isLastPage())
            emit signalGoClicked();
        else
            next();
        return;
    case Qt::Key_Right:
        next();
        return;
    case Qt::Key_Left:
        setCurrentPage(m_current - 1);
        return;
    default:
        break;
    }
    Overlay::keyPressEvent(event);
}
