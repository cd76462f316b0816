#include "mainwnd.h"

#include "aboutwindow.h"
#include "callbackobject.h"
#include "checktaskthread.h"
#include "clickselectsall.h"
#include "clientidentity.h"
#include "correctionpanel.h"
#include "customcontextmenu.h"
#include "custommenubar.h"
#include "customtexteditor.h"
#include "detectsentencethread.h"
#include "detectwordthread.h"
#include "eventlog.h"
#include "messagebox.h"
#include "networkhelper.h"
#include "productpages.h"
#include "progressoverlay.h"
#include "reportframe.h"
#include "serviceaddresses.h"
#include "settingscover.h"
#include "sharetarget.h"
#include "startupsteps.h"
#include "titlebar.h"
#include "transientnotice.h"
#include "tutorialoverlay.h"
#include "useraccess.h"
#include "userinformation.h"
#include "versionhelper.h"
#include "windowaccessibility.h"
#include "windowplacement.h"
#include "windowsettings.h"
#include "windowshortcuts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QClipboard>
#include <QPushButton>
#include <QKeyEvent>
#include <QScrollBar>
#include <QVBoxLayout>

MainWnd::MainWnd(QWidget *parent)
    : CustomWindow(parent)
    , m_updates(m_ui)
{
    setObjectName(QStringLiteral("MainWnd"));
    setWindowTitle(QStringLiteral("Quillet"));
    m_ui.setupUi(this);
    m_present = [this](const QString &text, const QStringList &buttons, bool *extra) {
        return MessageBox::ask(this, text, buttons, extra);
    };
    // The parts ask through the window, whose presenter tests replace.
    const MessagePresenter asker = [this](const QString &t, const QStringList &b, bool *e) { return ask(t, b, e); };

    m_network = new GammaLib::NetworkHelper(this);
    m_version = new GammaLib::VersionHelper(GammaLib::VersionHelper::defaultAddress(), this);
    m_usage = new GammaLib::UserInformation(this);
    EventLog::setSink([this](const QString &name) { m_usage->LogEvent(name); });

    // The review and the window's other parts; the slots below forward to them.
    m_review = new ReviewSession(m_ui.editor, nullptr, this);
    m_marks = new MarkList(m_ui.editor, &m_review->chunks(), m_usage, this);
    m_backup = std::make_unique<TextBackup>(m_ui.editor);
    m_view = std::make_unique<ReviewPresenter>(
        this, m_ui, m_review, m_marks, m_backup.get(), asker,
        ReviewPresenter::Hooks{[this] { slotLogout(); },
                               [this] { QTimer::singleShot(0, this, &MainWnd::slotReview); }, &m_updates});
    m_files = std::make_unique<DocumentFiles>(
        this, m_ui, asker,
        DocumentFiles::Hooks{[this] { clearReview(); }, [this] { m_menuBar->updateRecentFiles(); }});
    m_closing = std::make_unique<CloseSequence>(
        this, m_ui.editor, m_backup.get(), m_usage, asker,
        CloseSequence::Hooks{[this] { return saveDocument(); },
                             [this] { WindowPlacement::save(this, m_ui.sidebarToggle->isChecked()); },
                             [this] { clearReview(); }});
    m_notice = new TransientNotice(m_ui.central);
    m_files->setNotice(m_notice);
    connect(report(), &ReportFrame::signalClose, this, &MainWnd::slotCloseReport);
    connect(report(), &ReportFrame::signalShareResult, this, &MainWnd::slotShare);

    // Connections
    Titlebar *bar = m_ui.titlebar;
    connect(bar, &Titlebar::signalClose, this, &MainWnd::slotClose);
    connect(bar, &Titlebar::signalMax, this, &MainWnd::slotMax);
    connect(bar, &Titlebar::signalMin, this, &MainWnd::slotMin);
    connect(bar, &Titlebar::signalRestore, this, &MainWnd::slotRestore);
    connect(bar, &Titlebar::signalMove, this, &MainWnd::slotMove);
    connect(bar, &Titlebar::signalShare, this, &ShareTarget::shareInInterfaceLanguage);
    setUpMenu();
    setUpSettings();
    setUpEvernote();
    new WindowShortcuts(this);
    new WindowAccessibility(this);

    QScrollBar *inner = m_ui.editor->verticalScrollBar();
    connect(inner, &QScrollBar::valueChanged, m_ui.scrollBar, &QScrollBar::setValue);
    connect(m_ui.scrollBar, &QScrollBar::valueChanged, inner, &QScrollBar::setValue);
    connect(inner, &QScrollBar::rangeChanged, this, &MainWnd::slotScrollRangeChanged);

    connect(m_ui.openButton, &QPushButton::clicked, this, &MainWnd::slotOpen);
    connect(m_ui.reviewButton, &QPushButton::clicked, this, &MainWnd::slotReview);
    connect(m_ui.applyAllButton, &QPushButton::clicked, this, &MainWnd::slotApplyAll);
    connect(m_ui.saveAsButton, &QPushButton::clicked, this, &MainWnd::slotSaveAs);
    connect(m_ui.copyAllButton, &QPushButton::clicked, this, &MainWnd::slotCopyAll);
    connect(m_ui.pasteButton, &QPushButton::clicked, m_ui.editor, &QTextEdit::paste);
    connect(m_ui.clearAllButton, &QPushButton::clicked, this, &MainWnd::slotClearAll);
    connect(m_ui.reportButton, &QPushButton::clicked, this, &MainWnd::slotReportButtonClicked);
    connect(m_ui.updateIndicator, &QPushButton::clicked, this, &MainWnd::slotGotoUpdate);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &MainWnd::slotEditMenuOpening);
    connect(m_ui.sidebarToggle, &QCheckBox::toggled, this, &MainWnd::slotSidebarToogled);
    connect(m_ui.searchField, &QLineEdit::textChanged, this, &MainWnd::slotSearchContentChanged);
    // The side panel answers the search field; a search brings the panel out.
    m_ui.correctionPanel->bindSearchBox(m_ui.searchField);
    connect(m_ui.searchButton, &QPushButton::clicked, m_ui.correctionPanel, &CorrectionPanel::slotSearch);
    auto showPanelForSearch = [this] {
        if (!m_ui.searchField->text().trimmed().isEmpty())
            m_ui.sidebarToggle->setChecked(true);
    };
    connect(m_ui.searchButton, &QPushButton::clicked, this, showPanelForSearch);
    connect(m_ui.searchField, &QLineEdit::returnPressed, this, showPanelForSearch);

    CustomTextEditor *editor = m_ui.editor;
    connect(editor, &CustomTextEditor::signalContextMenu, this, &MainWnd::slotContextMenu);
    connect(editor, &CustomTextEditor::signalOnPaste, this, &MainWnd::slotOnPaste);
    connect(editor, &QTextEdit::cursorPositionChanged, this, &MainWnd::slotPositionChanged);
    connect(editor, &QTextEdit::selectionChanged, this, &MainWnd::slotSelectionChanged);
    connect(editor, &QTextEdit::textChanged, this, &MainWnd::slotTextChanged);
    editor->installEventFilter(this);
    new ClickSelectsAll(m_ui.searchField);

    connect(&CallbackObject::instance(),
            qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&CallbackObject::signalCallback),
            this, qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&MainWnd::slotCorrectItem));
    connect(m_review->sentenceThread(), &QThread::finished, this, &MainWnd::slotDetectSentenceFinished);
    connect(m_review->wordThread(), &QThread::finished, this, &MainWnd::slotDetectWordFinished);
    connect(m_review->checkRun(), &CheckTaskThread::signalUpdateState, this, &MainWnd::slotUpdateState);
    connect(m_review->checkRun(), &CheckTaskThread::signalFinished, this, &MainWnd::slotCheckTaskFinished);
    connect(m_review, &ReviewSession::refused, this, [this](ReviewSession::Refusal why) { m_view->refuse(why); });
    connect(m_review, &ReviewSession::resultArrived, m_marks, &MarkList::addResult);
    connect(m_review, &ReviewSession::checkEnded, this, [this](bool succeeded) { m_view->checkEnded(succeeded); });
    connect(m_marks, &MarkList::currentMarkChanged, m_ui.correctionPanel, &CorrectionPanel::showMark);
    connect(m_marks, &MarkList::liveMarksChanged, m_ui.applyAllButton, &QPushButton::setEnabled);
    connect(m_network, &GammaLib::NetworkHelper::signalCheckHttpFinished, this, &MainWnd::slotCheckServerFinished);
    connect(&GammaLib::UserAccess::instance(), &GammaLib::UserAccess::LogoutFinished, this, &MainWnd::slotLogoutFinished);
    connect(progressOverlay(), &ProgressOverlay::signalCancel, this, &MainWnd::slotCancel);
    connect(progressOverlay(), &ProgressOverlay::signalFinished, this, &MainWnd::slotProgressFinished);
    connect(m_version, &GammaLib::VersionHelper::GetLastestVersionFinished, this, &MainWnd::slotGetLastVersionFinished);
    connect(m_usage, &GammaLib::UserInformation::signalUploaded, this, &MainWnd::slotUserInformationUploaded);
    connect(m_usage, &GammaLib::UserInformation::signalSampleText, this, &MainWnd::slotSampleTextLoaded);

    clearReview();
    slotTextChanged();
    slotEditMenuOpening();

    // First run: the tutorial; otherwise the saved geometry.
    if (WindowSettings().showTutorial() || StartupSteps::justRegistered()) {
        WindowPlacement::placeForTutorial(this);
        m_tutorial = new TutorialOverlay(m_ui.central);
        m_tutorial->setCoveredWidget(m_ui.central);
        connect(m_tutorial, &TutorialOverlay::signalGoClicked, this, &MainWnd::slotGoClicked);
        m_tutorial->show();
    } else {
        WindowPlacement::restore(this, m_ui.outerLayout);
    }
    m_ui.sidebarToggle->setChecked(WindowSettings().sidebarShown());

    m_backup->recover(m_notice);

    connect(&m_review->wordBudgetTimer(), &QTimer::timeout, this, &MainWnd::slotResetWordCountLimit);
    connect(&m_backup->timer(), &QTimer::timeout, this, &MainWnd::slotBackup);
    connect(&m_serverTimer, &QTimer::timeout, this, &MainWnd::slotCheckServer);
    m_backup->resume();
    m_serverTimer.start(ServerCheckMs);
    slotCheckServer();

    m_version->requestLatestVersion();
    m_usage->slotRequestSampleText();
}

MainWnd::~MainWnd()
{
    EventLog::setSink(nullptr);
    // The chunks own the marks and their labels: gone before the editor.
    m_marks->clear();
    delete m_review;
}

int MainWnd::ask(const QString &text, const QStringList &buttons, bool *extra)
{
    bool flag = false;
    return m_present(text, buttons, extra ? extra : &flag);
}

void MainWnd::log(const QString &event) { m_usage->LogEvent(event); }

void MainWnd::slotReview() { m_view->start(); }
void MainWnd::slotDetectWordFinished() { m_review->wordsCounted(); }
void MainWnd::slotDetectSentenceFinished() { m_review->sentencesDetected(); }
void MainWnd::slotUpdateState(CResultState state) { m_review->takeResult(state); }
void MainWnd::slotResetWordCountLimit() { m_review->resetWordBudget(); }
void MainWnd::slotProgressFinished() { m_view->finish(); }
void MainWnd::clearReview() { m_view->discard(); }
void MainWnd::slotApplyAll() { m_view->applyAll(); }
void MainWnd::slotClearAll() { m_view->clearAll(); }
void MainWnd::slotCloseReport() { m_view->closeReport(); }

void MainWnd::slotCheckTaskFinished(QNetworkReply::NetworkError code) { m_backup->resume(); m_review->checkFinished(code); }
void MainWnd::slotCancel() { m_view->stop(true); }
void MainWnd::slotReportButtonClicked() { m_view->reopenReport(); }
void MainWnd::slotPositionChanged() { m_marks->followCursor(); }
void MainWnd::slotSelectionChanged() { slotPositionChanged(); }

void MainWnd::slotCorrectItem(CorrectionItem *item, MenuItemType type, int index)
{
    slotCorrectItem(item, type, index, item ? item->candidateList().join(QLatin1Char('\n')) : QString());
}

void MainWnd::slotCorrectItem(CorrectionItem *item, MenuItemType type, int index, const QString &list)
{
    m_marks->correct(item, type, index, list);
}

// Edits around marks ------------------------------------------------------------------------

bool MainWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.editor && event->type() == QEvent::KeyPress
        && MarkList::changesText(static_cast<QKeyEvent *>(event), m_ui.editor->textCursor().hasSelection()))
        m_marks->retireForEdit();
    return CustomWindow::eventFilter(watched, event);
}

void MainWnd::slotOnPaste(const QString &text) { m_view->paste(text); }
void MainWnd::slotOnCut() { m_view->cut(); }

void MainWnd::slotTextChanged()
{
    const bool hasText = m_ui.editor->hasText();
    for (QPushButton *button : m_ui.textButtons())
        button->setEnabled(hasText);
    m_menuBar->saveAsMenu()->setEnabled(hasText);
    m_backup->markChanged();
}

void MainWnd::slotCopyAll()
{
    log(QStringLiteral("QL_Main_Copy_All"));
    QApplication::clipboard()->setText(m_ui.editor->toPlainText());
    m_notice->showText(tr("Successfully copied."));
}

void MainWnd::slotEditMenuOpening() { m_ui.pasteButton->setEnabled(m_ui.editor->canPaste()); }

void MainWnd::slotScrollRangeChanged(int min, int max)
{
    QScrollBar *inner = m_ui.editor->verticalScrollBar();
    m_ui.scrollBar->setRange(min, max);
    m_ui.scrollBar->setPageStep(inner->pageStep());
    m_ui.scrollBar->setVisible(min < max);
}

void MainWnd::slotSearchContentChanged(const QString &text) { m_ui.searchButton->setEnabled(!text.trimmed().isEmpty()); }

void MainWnd::slotSidebarToogled(bool shown)
{
    m_ui.sidePanel->setVisible(shown);
    if (shown)
        m_ui.correctionPanel->slotTestAreaChanged(); // laid out at its shown width
    else
        log(QStringLiteral("QL_Main_Hide_Sidebar"));
}

void MainWnd::slotContextMenu(QContextMenuEvent *event)
{
    // On the current mark: its candidates, Ignore and Add to Glossary, which
    // come back through the hub to slotCorrectItem. Elsewhere: Cut, Copy and
    // Paste, with cut going through the mark-retiring path.
    CustomContextMenu menu(m_ui.editor, currentMark());
    connect(&menu, &CustomContextMenu::signalCut, this, &MainWnd::slotOnCut);
    menu.exec(event->globalPos());
}

void MainWnd::slotSampleTextLoaded(const QString &text) { m_ui.editor->setSampleText(text); }
void MainWnd::slotBackup() { m_backup->backup(); }

// Reachability and updates ---------------------------------------------------------------

void MainWnd::slotCheckServer() { m_network->checkHttp(GammaLib::NetworkHelper::serverCheckUrl()); }
void MainWnd::slotCheckServerFinished(int code) { m_updates.serverChecked(code); }
void MainWnd::slotGetLastVersionFinished(const QStringList &list) { m_updates.latestVersion(list); }
void MainWnd::slotUpdateStatusChanged(int n, const QString &text) { m_updates.statusChanged(n, text); }

// The settings dialog's update section takes over from here.
void MainWnd::slotGotoUpdate() { showSettings(m_updates.isAvailable()); }

// Window geometry and tutorial -----------------------------------------------------------------

void MainWnd::slotGoClicked()
{
    if (m_tutorial) {
        m_tutorial->hide();
        m_tutorial->deleteLater();
        m_tutorial = nullptr;
    }
    WindowPlacement::endTutorial(this);
    m_ui.editor->setFocus();
}

void MainWnd::slotMax()
{
    m_ui.outerLayout->setContentsMargins(0, 0, 0, 0);
    setMaximized(true);
}

void MainWnd::slotRestore()
{
    m_ui.outerLayout->setContentsMargins(12, 10, 12, 14);
    setMaximized(false);
}

void MainWnd::maximizedChanged(bool isMax)
{
    m_ui.titlebar->slotIsMaxmized(isMax);
    m_ui.outerLayout->setContentsMargins(isMax ? QMargins() : QMargins(12, 10, 12, 14));
    m_ui.editor->repositionLabels();
}

void MainWnd::slotMin() { showMinimized(); }
void MainWnd::slotMove(int x, int y) { moveIfOnScreen(QPoint(x, y)); }

// Close, log-out and restart ---------------------------------------------------------------------

void MainWnd::slotClose() { close(); }
void MainWnd::closeForSignal() { m_closing->closeForSignal(); }
void MainWnd::closeEvent(QCloseEvent *event) { m_closing->closeEvent(event, m_tutorial || isReviewRunning()); }
void MainWnd::slotUserInformationUploaded() { GammaLib::UserAccess::instance().Logout(); }
void MainWnd::slotLogoutFinished(int) { m_closing->logoutFinished(); }

void MainWnd::slotLogout() { m_closing->logOut(); }

void MainWnd::slotRestartApp()
{
    // The dialog goes first: when the close question is cancelled the
    // window is usable again, not left under the settings cover.
    m_settingsCover->hide();
    m_closing->restart();
}

bool MainWnd::saveDocument() { return m_files->save(); }
bool MainWnd::loadDocument(const QString &path) { return !isReviewRunning() && m_files->load(path); }

// Not while a review runs: it reads the editor's text.
void MainWnd::slotOpen() { if (!isReviewRunning()) m_files->open(); }
void MainWnd::slotOpenRecentFile() { if (auto *action = qobject_cast<QAction *>(sender())) loadDocument(action->data().toString()); }

void MainWnd::slotSaveAs()
{
    if (m_files->isSaving())
        return;
    log(QStringLiteral("QL_Main_Save_As"));
    saveDocument();
}

// Later areas: files, notes, settings, report, web pages ------------------------------------------

void MainWnd::slotErrorSetting(const QString &text) { ask(text, {tr("OK")}); }

void MainWnd::slotShare()
{
    log(QStringLiteral("QL_Main_Share"));
    ShareTarget::open(ShareTarget::feedAddress());
}

void MainWnd::slotFeedback()
{
    log(QStringLiteral("QL_Main_Feedback"));
    ProductPages::open(QStringLiteral("/Feedback"));
}

void MainWnd::slotGotoUserCenter()
{
    log(QStringLiteral("QL_Main_User_Center"));
    ProductPages::openUserCenter();
}

void MainWnd::slotGotoCommunity()
{
    log(QStringLiteral("QL_Main_Community"));
    ProductPages::open(QStringLiteral("/Community"));
}

void MainWnd::slotGotoDocumentTemplates() { ProductPages::open(QStringLiteral("/Templates")); }
void MainWnd::slotFAQ() { ProductPages::open(QStringLiteral("/Help")); }
void MainWnd::slotAbout() { AboutWindow::showFor(this); }
