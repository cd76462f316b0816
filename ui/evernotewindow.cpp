#include "evernotewindow.h"

#include "guardedwebpage.h"
#include "loadingcover.h"
#include "manager.h"
#include "iconbutton.h"
#include "titlebar.h"
#include "themecolours.h"

#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineView>

using GammaLib::Manager;

EvernoteWindow::EvernoteWindow(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("EvernoteWindow"));
    setWindowTitle(tr("Authorize Quillet"));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(ThemeColours::themed(QStringLiteral("EvernoteWindow{background:#ffffff;border:1px solid #c8c8c8;}")));
    resize(640, 520);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    m_titleBar = new Titlebar(this);
    m_titleBar->setTitle(windowTitle());
    m_titleBar->setMinimizeVisible(false);
    m_titleBar->setMaximizeVisible(false);
    connect(m_titleBar, &Titlebar::signalClose, this, &EvernoteWindow::slotClose);
    connect(m_titleBar, &Titlebar::signalMove, this, &EvernoteWindow::slotMove);
    layout->addWidget(m_titleBar);

    m_view = GuardedWebPage::addView(this, layout);
    if (m_view) {
        m_page = static_cast<GuardedWebPage *>(m_view->page());
        connect(m_view, &QWebEngineView::urlChanged, this, &EvernoteWindow::slotUrlChanged);
        connect(m_view, &QWebEngineView::loadFinished, this, &EvernoteWindow::slotLoadFinished);
    }

    m_loading = new LoadingCover(this);
    m_loading->setObjectName(QStringLiteral("evernoteLoading"));
    m_loading->setArea(m_view);
    m_loading->setShown(true);

    m_manager = new Manager(this);
    connect(m_manager, &Manager::signalRequestToken, this, &EvernoteWindow::slotRequestToken);
    if (m_view) {
        m_manager->requestTemporaryToken();
    } else {
        // No embedded browser in this process: nothing to show the page in.
        QTimer::singleShot(0, this, [this] { done(Failed); });
    }
}

EvernoteWindow::~EvernoteWindow()
{
    m_manager->abort();
}

bool EvernoteWindow::loadingShown() const
{
    return m_loading->isVisible();
}

void EvernoteWindow::slotRequestToken(bool ok)
{
    if (m_finished)
        return;
    if (!ok) {
        done(Failed);
        return;
    }
    m_loading->setShown(true);
    m_view->load(QUrl(m_manager->authorizationUrl()));
}

void EvernoteWindow::slotUrlChanged(const QUrl &url)
{
    if (m_finished || url.isEmpty())
        return;
    QString verifier;
    switch (m_manager->checkRedirect(url, &verifier)) {
    case Manager::NotCallback:
        break; // the service's own pages
    case Manager::Verified:
        m_verifier = verifier;
        done(Verified);
        break;
    case Manager::Declined:
        done(Declined);
        break;
    }
}

void EvernoteWindow::slotLoadFinished(bool ok)
{
    if (m_finished)
        return;
    if (!ok) {
        done(Failed);
        return;
    }
    m_loading->setShown(false);
}

void EvernoteWindow::slotClose()
{
    done(Declined);
}

void EvernoteWindow::slotMove(int x, int y)
{
    move(x, y);
}

void EvernoteWindow::done(int result)
{
    if (m_finished)
        return;
    // Whatever ends the window, pages still loading decide nothing after it.
    m_finished = true;
    m_loading->setShown(false);
    if (m_view)
        m_view->stop();
    QDialog::done(result);
}

