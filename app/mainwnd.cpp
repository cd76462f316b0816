#include "mainwnd.h"

#include "appsettings.h"
#include "callbackobject.h"
#include "checktaskthread.h"
#include "chunkentry.h"
#include "clientidentity.h"
#include "clickablelabel.h"
#include "configfile.h"
#include "correctionitem.h"
#include "correctionpanel.h"
#include "customcontextmenu.h"
#include "custommenubar.h"
#include "customtexteditor.h"
#include "detectsentencethread.h"
#include "detectwordthread.h"
#include "errortype.h"
#include "eventlog.h"
#include "loadingbox.h"
#include "markundoitem.h"
#include "messagebox.h"
#include "networkhelper.h"
#include "preferences.h"
#include "progressoverlay.h"
#include "reportfigures.h"
#include "reportframe.h"
#include "serviceaddresses.h"
#include "startupsteps.h"
#include "textchunk.h"
#include "titlebar.h"
#include "transientnotice.h"
#include "tutorialoverlay.h"
#include "useraccess.h"
#include "usercorrectionrecord.h"
#include "userinformation.h"
#include "versionhelper.h"
#include "windowaccessibility.h"
#include "windowsettings.h"
#include "windowshortcuts.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char *const kConnectionError = QT_TRANSLATE_NOOP(
    "MainWnd",
    "Oops, nobody answered. There's a connection error or Quillet is not home right now.\t\t\t   "
    "\n\nPlease check your network connection. You may need to use proxy under certain circumstances.");

} // namespace

MainWnd::MainWnd(QWidget *parent)
    : CustomWindow(parent)
    , m_backup(AppSettings::preferenceConfig().directory())
{
    setObjectName(QStringLiteral("MainWnd"));
    setWindowTitle(QStringLiteral("Quillet"));
    m_ui.setupUi(this);
    m_present = [this](const QString &text, const QStringList &buttons, bool *extra) {
        return MessageBox::ask(this, text, buttons, extra);
    };
    m_dialogs = DocumentDialogs::standard(this);

    m_wordThread = new GammaLib::DetectWordThread(this);
    m_sentenceThread = new GammaLib::DetectSentenceThread(m_ui.editor, this);
    m_checkRun = new CheckTaskThread(this);
    m_network = new GammaLib::NetworkHelper(this);
    m_version = new GammaLib::VersionHelper(GammaLib::VersionHelper::defaultAddress(), this);
    m_usage = new GammaLib::UserInformation(this);
    EventLog::setSink([this](const QString &name) { m_usage->LogEvent(name); });

    m_progress = new ProgressOverlay(m_ui.central);
    m_progress->setCoveredWidget(m_ui.editorArea);
    m_progress->hide();
    m_notice = new TransientNotice(m_ui.central);
    m_report = new ReportFrame(m_ui.central);
    m_report->setCoveredWidget(m_ui.editorArea);
    m_report->hide();
    connect(m_report, &ReportFrame::signalClose, this, &MainWnd::slotCloseReport);
    connect(m_report, &ReportFrame::signalShareResult, this, &MainWnd::slotShare);

    // Connections
    Titlebar *bar = m_ui.titlebar;
    connect(bar, &Titlebar::signalClose, this, &MainWnd::slotClose);
    connect(bar, &Titlebar::signalMax, this, &MainWnd::slotMax);
    connect(bar, &Titlebar::signalMin, this, &MainWnd::slotMin);
    connect(bar, &Titlebar::signalRestore, this, &MainWnd::slotRestore);
    connect(bar, &Titlebar::signalMove, this, &MainWnd::slotMove);
    connect(bar, &Titlebar::signalShare, this, &MainWnd::slotShare);
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
    m_ui.searchField->installEventFilter(this);

    connect(&CallbackObject::instance(),
            qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&CallbackObject::signalCallback),
            this, qOverload<CorrectionItem *, MenuItemType, int, const QString &>(&MainWnd::slotCorrectItem));
    connect(m_sentenceThread, &QThread::finished, this, &MainWnd::slotDetectSentenceFinished);
    connect(m_wordThread, &QThread::finished, this, &MainWnd::slotDetectWordFinished);
    connect(m_checkRun, &CheckTaskThread::signalUpdateState, this, &MainWnd::slotUpdateState);
    connect(m_checkRun, &CheckTaskThread::signalFinished, this, &MainWnd::slotCheckTaskFinished);
    connect(m_network, &GammaLib::NetworkHelper::signalCheckHttpFinished, this, &MainWnd::slotCheckServerFinished);
    connect(&GammaLib::UserAccess::instance(), &GammaLib::UserAccess::LogoutFinished, this, &MainWnd::slotLogoutFinished);
    connect(m_progress, &ProgressOverlay::signalCancel, this, &MainWnd::slotCancel);
    connect(m_progress, &ProgressOverlay::signalFinished, this, &MainWnd::slotProgressFinished);
    connect(m_version, &GammaLib::VersionHelper::GetLastestVersionFinished, this, &MainWnd::slotGetLastVersionFinished);
    connect(m_usage, &GammaLib::UserInformation::signalUploaded, this, &MainWnd::slotUserInformationUploaded);
    connect(m_usage, &GammaLib::UserInformation::signalSampleText, this, &MainWnd::slotSampleTextLoaded);

    clearReview();
    slotTextChanged();
    slotEditMenuOpening();

    // First run: the tutorial; otherwise the saved geometry.
    if (WindowSettings().showTutorial()
        || StartupSteps::justRegistered()) {
        resize(QSize(850, 640).expandedTo(minimumSizeHint()));
        centreOnStartScreen();
        setMaximumSize(size());
        setControlsLocked(true);
        m_tutorial = new TutorialOverlay(m_ui.central);
        m_tutorial->setCoveredWidget(m_ui.central);
        connect(m_tutorial, &TutorialOverlay::signalGoClicked, this, &MainWnd::slotGoClicked);
        m_tutorial->show();
    } else {
        restoreGeometryFromSettings();
    }
    m_ui.sidebarToggle->setChecked(WindowSettings().sidebarShown());

    recoverAfterCrash();

    connect(&m_wordBudgetTimer, &QTimer::timeout, this, &MainWnd::slotResetWordCountLimit);
    connect(&m_backupTimer, &QTimer::timeout, this, &MainWnd::slotBackup);
    connect(&m_serverTimer, &QTimer::timeout, this, &MainWnd::slotCheckServer);
    m_wordBudgetTimer.start(WordBudgetMs);
    m_backupTimer.start(BackupMs);
    m_serverTimer.start(ServerCheckMs);
    slotCheckServer();

    m_version->requestLatestVersion();
    m_usage->slotRequestSampleText();
}

MainWnd::~MainWnd()
{
    EventLog::setSink(nullptr);
    m_checkRun->cancel();
    m_wordThread->wait();
    m_sentenceThread->wait();
    m_liveMarks.clear();
    qDeleteAll(m_chunks);
    m_chunks.clear();
}

// Helpers -------------------------------------------------------------------------

int MainWnd::ask(const QString &text, const QStringList &buttons, bool *extra)
{
    bool flag = false;
    const int result = m_present(text, buttons, &flag);
    if (extra)
        *extra = flag;
    return result;
}

void MainWnd::log(const QString &event)
{
    m_usage->LogEvent(event);
}

void MainWnd::lockWindow(bool locked)
{
    setControlsLocked(locked);
}

void MainWnd::countCategory(int errorType)
{
    ReportFigures::countCategory(m_categories, errorType);
}

void MainWnd::showReportFrame()
{
    m_report->show();
    m_report->raise();
    lockWindow(true);
    m_ui.updateIndicator->hide();
}

void MainWnd::updateForLiveMarks()
{
    m_ui.applyAllButton->setEnabled(!m_liveMarks.isEmpty());
    m_ui.editor->setLineSpacing(!m_liveMarks.isEmpty());
}

void MainWnd::openWebPage(const QString &path)
{
    QDesktopServices::openUrl(QUrl(GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Web, path)));
}

// Review ----------------------------------------------------------------------------

void MainWnd::slotReview()
{
    // The running review's chunks are lent to the check run: a second press
    // of Review must not discard them under it.
    if (m_reviewRunning)
        return;
    log(Preferences().enrichmentEnabled() ? QStringLiteral("QL_Main_Review_Improve")
                                          : QStringLiteral("QL_Main_Review"));
    slotBackup();
    m_backupTimer.stop();
    m_succeeded = false;
    m_checkRunning = false;
    m_cancelled = false;
    m_wordCount = 0; // a review refused before counting shows no stale summary
    const QString text = m_ui.editor->toPlainText();
    clearReview();
    m_ui.editor->setDocumentText(text);

    // Threads of a cancelled review end quickly; their late results are
    // ignored by phase.
    m_wordThread->wait();
    m_sentenceThread->wait();
    m_reviewRunning = true;
    m_phase = CountingWords;
    lockWindow(true);
    m_progress->start();
    m_wordThread->startWordCount(text, WordsPerReview);
}

void MainWnd::slotDetectWordFinished()
{
    if (m_cancelled || !m_reviewRunning || m_phase != CountingWords || m_wordThread->isRunning())
        return;
    const int words = m_wordThread->wordCountResult();
    if (words == -1) {
        ask(tr("Sorry, your request surpassed  Quillet usage limit (10,000 words per submit). "
               "Please shorten your text and try again."),
            {tr("OK")});
        stopReview();
        return;
    }
    if (m_wordsThisMinute + words > WordsPerMinute) {
        ask(tr("Sorry, your request surpassed  Quillet usage limit (30,000 words per minute). "
               "Please try again later."),
            {tr("OK")});
        stopReview();
        return;
    }
    m_wordsThisMinute += words;
    m_phase = DetectingSentences;
    m_sentenceThread->startDetection(&m_chunks);
}

void MainWnd::slotDetectSentenceFinished()
{
    if (m_cancelled || !m_reviewRunning || m_phase != DetectingSentences || m_sentenceThread->isRunning())
        return;
    m_phase = Checking;
    m_sentenceThread->makeChunks();
    m_checkRunning = true;
    m_wordCount = m_sentenceThread->totalWords();
    QStringList sentences;
    QList<GammaLib::TextChunk *> chunks;
    for (ChunkEntry *entry : std::as_const(m_chunks)) {
        sentences.append(entry->text());
        chunks.append(entry->chunk());
    }
    m_checkRun->startTask(GammaLib::UserAccess::instance().sessionKey(), &m_store, sentences, chunks,
                          Preferences().englishLevel());
}

void MainWnd::slotUpdateState(CResultState state)
{
    if (m_cancelled || !m_reviewRunning || m_phase != Checking || state.sentInd < 0
        || state.sentInd >= m_chunks.size())
        return;
    m_received.insert(state.sentInd);
    ChunkEntry *entry = m_chunks.at(state.sentInd);
    for (const CCorrection &correction : std::as_const(state.corrections))
        addMark(entry, correction);
    m_progress->setProgress(int(m_received.size()), int(m_chunks.size()));
}

void MainWnd::addMark(ChunkEntry *entry, const CCorrection &correction)
{
    if (correction.errorTypeCode == SUGGESTION)
        return;
    if (correction.errorTypeCode == IMPROVE && !Preferences().enrichmentEnabled())
        return;
    CorrectionItem *mark = entry->makeMark(correction);
    if (!mark)
        return;
    if (mark->canAddToGlossary() && m_usage->IsInGlossary(mark->flaggedText())) {
        delete mark;
        return;
    }
    countCategory(mark->markErrorType());
    entry->insertMark(mark);
    m_ui.editor->createLabel(mark);
    mark->paintMark();
}

void MainWnd::slotCheckTaskFinished(QNetworkReply::NetworkError code)
{
    m_backupTimer.start(BackupMs);
    // The end of a cancelled run may come late, while the next review still
    // counts words or splits sentences: it belongs to no review.
    if (m_cancelled || !m_reviewRunning || m_phase != Checking)
        return;
    m_lastError = int(code);
    if (code == QNetworkReply::NoError) {
        m_succeeded = true;
        m_progress->finish();
    } else {
        slotProgressFinished();
    }
}

void MainWnd::slotCancel()
{
    log(QStringLiteral("QL_Main_Reviev_Cancel"));
    stopReview();
}

void MainWnd::stopReview()
{
    m_cancelled = true;
    if (m_checkRunning)
        m_checkRun->cancel();
    slotProgressFinished();
}

void MainWnd::slotProgressFinished()
{
    if (!m_reviewRunning)
        return;
    m_reviewRunning = false;
    m_phase = Idle;
    lockWindow(false);
    m_progress->stop();
    m_progress->hide();
    m_backupTimer.start(BackupMs);

    for (ChunkEntry *entry : std::as_const(m_chunks)) {
        for (CorrectionItem *mark : entry->marks()) {
            m_liveMarks.append(mark);
            if (mark->label())
                mark->label()->show();
        }
    }
    updateForLiveMarks();
    m_ui.editor->repositionLabels();
    if (!m_liveMarks.isEmpty()) {
        m_found = m_left = int(m_liveMarks.size());
        m_ui.editor->selectMark(m_liveMarks.first());
        slotPositionChanged();
    }

    if (m_wordCount > 0) {
        m_ui.wordsLabel->setText(tr("Words:") + QLatin1Char(' ') + QString::number(m_wordCount));
        m_ui.errorsLabel->setText(tr("Errors:") + QLatin1Char(' ') + QString::number(m_categories.value(3)));
        m_ui.suggestionsLabel->setText(tr("Suggestions:") + QLatin1Char(' ')
                                       + (Preferences().enrichmentEnabled()
                                              ? QString::number(m_categories.value(4))
                                              : tr("(Disabled)")));
        m_ui.summaryLine->show();
    }

    switch (m_lastError) {
    case 0:
        if (m_succeeded && !m_cancelled && m_liveMarks.isEmpty() && !Preferences().showReport())
            ask(tr("Oops...Quillet has no suggestions for your current text. Either you wrote "
                   "brilliantly, or Quillet is not smart enough."),
                {tr("OK")});
        break;
    case QNetworkReply::OperationCanceledError:
        break;
    case QNetworkReply::AuthenticationRequiredError:
        if (!GammaLib::UserAccess::instance().IsUserLoginInBlock()) {
            if (ask(tr("Log in session expired. Please log in again to continue using Quillet. "),
                    {tr("Log in"), tr("Cancel")})
                == QDialog::Accepted)
                slotLogout();
            break;
        }
        [[fallthrough]];
    default:
        if (ask(tr(kConnectionError), {tr("Retry"), tr("Cancel")}) == QDialog::Accepted)
            QTimer::singleShot(0, this, &MainWnd::slotReview);
        break;
    }

    if (m_succeeded) {
        m_report->showReport(m_checkRun->lexicalScore(), m_checkRun->syntaxScore(), m_categories,
                             int(m_chunks.size()), m_wordCount, m_checkRun->levelCounts());
        if (Preferences().showReport()) {
            log(QStringLiteral("QL_Main_Report"));
            showReportFrame();
        } else {
            m_ui.reportButton->show();
            if (m_updateAvailable)
                m_ui.updateIndicator->show();
        }
    }
    m_ui.editor->resetUndo();
}

void MainWnd::slotResetWordCountLimit()
{
    m_wordsThisMinute = 0;
}

void MainWnd::clearReview()
{
    m_categories.clear();
    m_received.clear();
    m_lastError = 0;
    m_found = m_left = 0;
    m_currentMark = nullptr;
    m_ui.editor->setChunkList(nullptr);
    m_ui.correctionPanel->clearMark();
    m_liveMarks.clear();
    qDeleteAll(m_chunks);
    m_chunks.clear();
    m_ui.editor->clear();
    m_ui.editor->removeLineSpacing();
    m_ui.editor->setFocus();
    m_ui.editor->resetUndo();
    m_ui.reportButton->hide();
    m_ui.summaryLine->hide();
    m_ui.applyAllButton->setEnabled(false);
}

// Marks ---------------------------------------------------------------------------------

void MainWnd::setCurrentMark(CorrectionItem *mark)
{
    if (mark == m_currentMark)
        return;
    if (m_currentMark && m_currentMark->label())
        m_currentMark->label()->setSelected(false);
    m_currentMark = mark;
    if (mark) {
        if (mark->label())
            mark->label()->setSelected(true);
        m_ui.editor->ensureLabelVisible(mark);
    } else {
        m_ui.editor->ensureLabelVisible(nullptr);
    }
    m_ui.correctionPanel->showMark(mark);
}

void MainWnd::slotPositionChanged()
{
    if (m_reviewRunning || m_liveMarks.isEmpty())
        return;
    const QTextCursor cursor = m_ui.editor->textCursor();
    if (cursor.hasSelection())
        setCurrentMark(m_ui.editor->markSpanning(cursor.selectionStart(), cursor.selectionEnd()));
    else
        setCurrentMark(m_ui.editor->markAt(cursor.position()));
}

void MainWnd::slotSelectionChanged()
{
    slotPositionChanged();
}

void MainWnd::recordRetirement(CorrectionItem *mark)
{
    if (!m_replayingUndo && m_ui.editor->isUndoRedoEnabled()) {
        m_ui.editor->document()->appendUndoItem(new MarkUndoItem(
            *mark,
            [this](ChunkEntry *owner, const CCorrection &correction, int start, int end) {
                return restoreMark(owner, correction, start, end);
            },
            [this](CorrectionItem *restored) {
                if (!m_liveMarks.contains(restored))
                    return;
                m_replayingUndo = true;
                retireMark(restored, false);
                updateForLiveMarks();
                m_replayingUndo = false;
            }));
    }
}

void MainWnd::retireMark(CorrectionItem *mark, bool record)
{
    if (record)
        recordRetirement(mark);
    mark->paintPlain();
    if (m_currentMark == mark)
        m_currentMark = nullptr;
    m_liveMarks.removeOne(mark);
    if (m_left > 0)
        --m_left;
    // The panel lets go of the mark before it is destroyed.
    if (m_ui.correctionPanel->mark() == mark)
        m_ui.correctionPanel->showMark(nullptr);
    mark->owner()->removeMark(mark); // destroys the mark and its label
    setCurrentMark(nullptr);
    m_ui.editor->ensureLabelVisible(nullptr);
}

CorrectionItem *MainWnd::restoreMark(ChunkEntry *owner, const CCorrection &correction, int start, int end)
{
    // The chunks live until the review is discarded, and discarding empties
    // the undo history, so the owner is still there.
    if (!m_chunks.contains(owner))
        return nullptr;
    const int last = m_ui.editor->document()->characterCount() - 1;
    if (start < 0 || end < start || end > last)
        return nullptr;
    m_replayingUndo = true;
    QTextCursor span(m_ui.editor->document());
    span.setPosition(start);
    span.setPosition(end, QTextCursor::KeepAnchor);
    auto *mark = new CorrectionItem(span, correction, owner);
    owner->insertMark(mark);
    m_ui.editor->createLabel(mark);
    mark->paintMark();
    int at = 0;
    while (at < m_liveMarks.size() && m_liveMarks.at(at)->start() <= start)
        ++at;
    m_liveMarks.insert(at, mark);
    ++m_left;
    updateForLiveMarks();
    if (mark->label())
        mark->label()->show();
    m_ui.editor->scheduleLabelRepositioning();
    m_replayingUndo = false;
    return mark;
}

void MainWnd::slotCorrectItem(CorrectionItem *item, MenuItemType type, int index)
{
    slotCorrectItem(item, type, index, item ? item->candidateList().join(QLatin1Char('\n')) : QString());
}

void MainWnd::slotCorrectItem(CorrectionItem *item, MenuItemType type, int index,
                              const QString &correctionList)
{
    if (!item || !m_liveMarks.contains(item))
        return;

    GammaLib::UserCorrectionRecord record;
    record.sentence = item->owner()->text();
    record.word = item->flaggedText();
    record.wordIdx = item->start() - item->owner()->span().selectionStart();
    record.wordLength = int(item->flaggedText().size());
    record.correctionList = correctionList;
    record.choose = type == ApplyCandidate ? index : -1;
    record.type = item->markErrorType();
    m_usage->AddCorrectionRecord(record);

    CorrectionItem *next = nullptr;
    if (item == m_currentMark && Preferences().gotoNext() && m_liveMarks.size() >= 2) {
        const int at = int(m_liveMarks.indexOf(item));
        next = m_liveMarks.at((at + 1) % m_liveMarks.size());
    }

    // One undo step: the text change and the marks it retires.
    QTextCursor step(m_ui.editor->document());
    step.beginEditBlock();
    const int start = item->start();
    if (type == AddToGlossary) {
        const QString word = item->flaggedText();
        const int kind = item->markErrorType();
        m_usage->AddUserWord(word);
        const QList<CorrectionItem *> marks = m_liveMarks;
        for (CorrectionItem *mark : marks) {
            if (mark->markErrorType() == kind && mark->flaggedText() == word) {
                if (mark == next)
                    next = nullptr;
                retireMark(mark);
            }
        }
    } else {
        // Recorded before the text changes, so undo restores it last.
        recordRetirement(item);
        if (type == ApplyCandidate)
            item->apply(index);
        retireMark(item, false);
    }
    updateForLiveMarks();
    step.endEditBlock();
    if (next) {
        m_ui.editor->selectMark(next);
    } else {
        QTextCursor cursor = m_ui.editor->textCursor();
        cursor.setPosition(qMin(start, m_ui.editor->document()->characterCount() - 1));
        m_ui.editor->setTextCursor(cursor);
    }
    m_ui.editor->repositionLabels();
}

void MainWnd::slotApplyAll()
{
    if (m_reviewRunning)
        return;
    if (ask(tr("All flagged errors will be replaced with the top correction option shown right "
               "beneath it. Proceed anyway?"),
            {tr("Confirm"), tr("Cancel")})
        != QDialog::Accepted)
        return;
    log(QStringLiteral("QL_Main_Apply_All"));
    m_backupTimer.stop();
    LoadingBox box(this);
    box.start();
    // The whole batch is one undo step that brings every mark back. The
    // editor does not paint while the step is open (its layout catches up
    // when the step ends); the box keeps turning meanwhile.
    m_ui.editor->setUpdatesEnabled(false);
    QTextCursor step(m_ui.editor->document());
    step.beginEditBlock();
    const QList<CorrectionItem *> marks = m_liveMarks;
    for (CorrectionItem *mark : marks) {
        if (!m_liveMarks.contains(mark))
            continue;
        recordRetirement(mark);
        mark->apply(0);
        retireMark(mark, false);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    updateForLiveMarks();
    step.endEditBlock();
    m_ui.editor->setUpdatesEnabled(true);
    m_ui.applyAllButton->setEnabled(false);
    box.stop();
    m_backupTimer.start(BackupMs);
}

void MainWnd::slotClearAll()
{
    // Clearing would delete the chunks the running check still reads.
    if (m_reviewRunning)
        return;
    if (ask(tr("Your current text will be cleared. Proceed?"), {tr("Confirm"), tr("Cancel")})
        != QDialog::Accepted)
        return;
    log(QStringLiteral("QL_Main_Clear"));
    clearReview();
}

// Edits around marks ------------------------------------------------------------------------

void MainWnd::retireMarksForEdit()
{
    if (m_liveMarks.isEmpty())
        return;
    // Its own undo step, ahead of the edit: undoing the edit and then this
    // step brings the marks back.
    QTextCursor step(m_ui.editor->document());
    step.beginEditBlock();
    if (m_currentMark) {
        retireMark(m_currentMark);
    } else {
        const QTextCursor cursor = m_ui.editor->textCursor();
        const int from = cursor.selectionStart();
        const int to = cursor.selectionEnd();
        const QList<CorrectionItem *> marks = m_liveMarks;
        for (CorrectionItem *mark : marks) {
            if (mark->end() >= from && mark->start() <= to)
                retireMark(mark);
        }
    }
    updateForLiveMarks();
    step.endEditBlock();
}

bool MainWnd::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.searchField) {
        if (event->type() == QEvent::FocusIn) {
            m_searchSelectPending = true;
        } else if (event->type() == QEvent::FocusOut) {
            m_searchSelectPending = false;
        } else if (event->type() == QEvent::MouseButtonRelease && m_searchSelectPending) {
            // The press has placed the cursor already; the release selects.
            m_searchSelectPending = false;
            m_ui.searchField->selectAll();
        }
        return CustomWindow::eventFilter(watched, event);
    }
    if (watched == m_ui.editor && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        const int code = key->key();
        const bool cut = key->matches(QKeySequence::Cut) && m_ui.editor->textCursor().hasSelection();
        const bool typing = code >= 32 && code <= 255 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier);
        // Tab moves the focus on and leaves the text (and its marks) alone.
        const bool editing = code == Qt::Key_Delete || code == Qt::Key_Backspace
                             || code == Qt::Key_Enter || code == Qt::Key_Return;
        if (cut || typing || editing)
            retireMarksForEdit();
    }
    return CustomWindow::eventFilter(watched, event);
}

void MainWnd::slotOnPaste(const QString &text)
{
    // The text is being checked; a paste (from the toolbar) would move it
    // under the chunks of the running review.
    if (m_reviewRunning)
        return;
    log(QStringLiteral("QL_Main_Paste"));
    if (m_ui.editor->isAllSelected() && !m_chunks.isEmpty())
        clearReview();
    else
        retireMarksForEdit();
    m_ui.editor->textCursor().insertText(text);
}

void MainWnd::slotOnCut()
{
    if (m_reviewRunning)
        return;
    retireMarksForEdit();
    m_ui.editor->cut();
}

void MainWnd::slotTextChanged()
{
    const bool hasText = m_ui.editor->hasText();
    for (QPushButton *button : m_ui.textButtons())
        button->setEnabled(hasText);
    m_menuBar->saveAsMenu()->setEnabled(hasText);
    m_backup.markChanged();
}

void MainWnd::slotCopyAll()
{
    log(QStringLiteral("QL_Main_Copy_All"));
    QApplication::clipboard()->setText(m_ui.editor->toPlainText());
    m_notice->showText(tr("Successfully copied."));
}

void MainWnd::slotEditMenuOpening()
{
    m_ui.pasteButton->setEnabled(m_ui.editor->canPaste());
}

void MainWnd::slotScrollRangeChanged(int min, int max)
{
    QScrollBar *inner = m_ui.editor->verticalScrollBar();
    m_ui.scrollBar->setRange(min, max);
    m_ui.scrollBar->setPageStep(inner->pageStep());
    m_ui.scrollBar->setVisible(min < max);
}

void MainWnd::slotSearchContentChanged(const QString &text)
{
    m_ui.searchButton->setEnabled(!text.trimmed().isEmpty());
}

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
    CustomContextMenu menu(m_ui.editor, m_currentMark);
    connect(&menu, &CustomContextMenu::signalCut, this, &MainWnd::slotOnCut);
    menu.exec(event->globalPos());
}

void MainWnd::slotSampleTextLoaded(const QString &text)
{
    m_ui.editor->setSampleText(text);
}

// Crash recovery ---------------------------------------------------------------------------

void MainWnd::slotBackup()
{
    m_backup.backup(m_ui.editor->toPlainText());
}

void MainWnd::recoverAfterCrash()
{
    Preferences preferences;
    if (preferences.lastRunCrashed()) {
        const QString text = m_backup.read();
        m_ui.editor->setDocumentText(text);
        m_ui.editor->moveCursor(QTextCursor::End);
        // Shown once the window is up and laid out, and held longer than
        // other notices so that it is seen.
        QTimer::singleShot(0, this, [this] {
            m_notice->showText(tr("Your software crashed unexpectedly. Text recovered and loaded for "
                                  "you before the crash."),
                               8000);
        });
    } else {
        preferences.setRunning(true);
        preferences.save();
    }
}

// Reachability and updates ---------------------------------------------------------------

void MainWnd::slotCheckServer()
{
    m_network->checkHttp(GammaLib::NetworkHelper::serverCheckUrl());
}

void MainWnd::slotCheckServerFinished(int code)
{
    m_ui.networkIndicator->setVisible(code != 0 && m_ui.updateIndicator->isHidden());
}

void MainWnd::slotGetLastVersionFinished(const QStringList &list)
{
    if (list.size() < 5)
        return;
    if (GammaLib::VersionHelper::installedVersion() >= list.at(0).toInt())
        return;
    m_updateAvailable = true;
    m_offeredVersion = list.at(0).toInt();
    m_versionText = list.at(1);
    m_resetSettings = list.at(0) == list.at(4);
    m_ui.networkIndicator->hide();
    m_ui.updateIndicator->show();
}

void MainWnd::slotUpdateStatusChanged(int n, const QString &text)
{
    // -1 after a finished update: nothing is waiting any more.
    m_updateAvailable = n >= 0;
    m_ui.updateIndicator->setVisible(n >= 0);
    m_offeredVersion = n;
    m_versionText = text;
}

void MainWnd::slotGotoUpdate()
{
    // The settings dialog's update section takes over from here.
    showSettings(m_updateAvailable);
}

// Window geometry and tutorial -----------------------------------------------------------------

void MainWnd::centreOnStartScreen()
{
    // The screen that held the sign-in dialog, else the primary one.
    QScreen *screen = StartupSteps::signInScreen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QRect centred(QPoint(), size());
    if (screen)
        centred.moveCenter(screen->availableGeometry().center());
    move(centred.topLeft());
}

void MainWnd::restoreGeometryFromSettings()
{
    const WindowSettings settings;
    const QRect saved = settings.normalGeometry();
    // Nothing saved yet (the stored defaults), or saved on a screen that is
    // gone: centred where the user is looking.
    if (settings.neverPlaced() || isOffScreen(saved)) {
        resize(QSize(850, 640).expandedTo(minimumSizeHint()));
        centreOnStartScreen();
        return;
    }
    setNormalGeometry(saved);
    if (settings.maximized()) {
        setGeometry(saved);
        m_ui.outerLayout->setContentsMargins(0, 0, 0, 0);
        setMaximized(true);
    } else {
        move(saved.topLeft());
        resize(saved.size());
    }
}

void MainWnd::saveGeometryToSettings()
{
    WindowSettings settings;
    settings.setNormalGeometry(normalGeometry());
    settings.setMaximized(maximized());
    settings.setSidebarShown(m_ui.sidebarToggle->isChecked());
    settings.save();
}

void MainWnd::slotGoClicked()
{
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setControlsLocked(false);
    if (m_tutorial) {
        m_tutorial->hide();
        m_tutorial->deleteLater();
        m_tutorial = nullptr;
    }
    show();
    m_ui.editor->setFocus();
    WindowSettings settings;
    settings.setShowTutorial(false);
    settings.save();
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

void MainWnd::slotMin()
{
    showMinimized();
}

void MainWnd::slotMove(int x, int y)
{
    moveIfOnScreen(QPoint(x, y));
}

// Close, log-out and restart ---------------------------------------------------------------------

void MainWnd::slotClose()
{
    close();
}

void MainWnd::closeForSignal()
{
    if (m_endingForSignal)
        return;
    m_endingForSignal = true;
    m_backupTimer.stop();
    const QString text = m_ui.editor->toPlainText();
    const bool keepText = !text.trimmed().isEmpty();
    if (keepText) {
        m_backup.markChanged();
        m_backup.backup(text);
    }
    // With text kept, the next start offers it back as after a crash.
    Preferences preferences;
    preferences.setRunning(keepText);
    preferences.save();
    saveGeometryToSettings();
    hide();
    // Whatever comes first: the upload's end or the time allowed for it.
    auto quit = [] { QCoreApplication::exit(0); };
    connect(m_usage, &GammaLib::UserInformation::signalUploaded, this, quit);
    QTimer::singleShot(SignalUploadMs, this, quit);
    m_usage->Upload(GammaLib::UserAccess::instance().sessionKey());
}

void MainWnd::startCloseUpload()
{
    saveGeometryToSettings();
    hide();
    m_usage->Upload(GammaLib::UserAccess::instance().sessionKey());
}

void MainWnd::closeEvent(QCloseEvent *event)
{
    if (m_endingForSignal) {
        event->ignore(); // the program is already ending, with the text kept
        return;
    }
    if (m_tutorial || m_reviewRunning || areControlsLocked()) {
        event->ignore();
        return;
    }
    if (m_closeAllowed) {
        event->accept();
        Preferences preferences;
        preferences.setRunning(false);
        preferences.save();
        endEventLoop();
        return;
    }
    event->ignore();
    if (m_closing)
        return; // the upload and log-out are already on their way
    m_closing = true;
    if (m_ui.editor->hasText()) {
        bool save = false;
        const int answer = ask(tr("Your current text will be lost if not saved. Proceed anyway?"),
                               {tr("Confirm"), tr("Cancel"), tr("Save")}, &save);
        if (answer != QDialog::Accepted || (save && !saveDocument())) {
            m_closing = false;
            m_restartAfterClose = false;
            return;
        }
    }
    startCloseUpload();
}

void MainWnd::endEventLoop()
{
    // The window was hidden before the upload and log-out, and closing a
    // hidden window does not count as closing the last window: end the
    // program's event loop here, unless another main window is still up.
    if (!QGuiApplication::quitOnLastWindowClosed() || QThread::currentThread()->loopLevel() == 0)
        return;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window != this && window->isVisible() && !window->parentWidget()
            && window->testAttribute(Qt::WA_QuitOnClose))
            return;
    }
    QCoreApplication::quit();
}

void MainWnd::slotUserInformationUploaded()
{
    GammaLib::UserAccess::instance().Logout();
}

void MainWnd::slotLogout()
{
    log(QStringLiteral("QL_Main_Logout"));
    m_closing = false;
    if (m_ui.editor->hasText()) {
        bool save = false;
        const int answer = ask(tr("Your current text will be lost without being saved. Confirm log out?"),
                               {tr("Log out"), tr("Cancel"), tr("Save")}, &save);
        if (answer != QDialog::Accepted || (save && !saveDocument()))
            return;
    }
    m_loggingOut = true;
    startCloseUpload();
}

void MainWnd::slotLogoutFinished(int)
{
    if (!m_closing && !m_loggingOut)
        return; // not ours (another window's log-out)
    m_backupTimer.stop();
    if (m_closing) {
        m_closeAllowed = true;
        setControlsLocked(false);
        close();
        if (m_restartAfterClose)
            startRestart();
        return;
    }
    m_loggingOut = false;
    clearReview();
    if (StartupSteps::signInAfterLogout(this)) {
        m_usage->Refresh();
        show();
        m_backupTimer.start(BackupMs);
    } else {
        m_closeAllowed = true;
        close();
    }
}

void MainWnd::startRestart()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("restart")});
}

void MainWnd::slotRestartApp()
{
    // The dialog goes first: when the close question is cancelled the
    // window is usable again, not left under the settings cover.
    m_settingsCover->hide();
    setControlsLocked(false);
    m_restartAfterClose = true;
    close();
}

// Later areas: files, notes, settings, report, web pages ------------------------------------------

void MainWnd::slotErrorSetting(const QString &text) { ask(text, {tr("OK")}); }
void MainWnd::slotCloseReport()
{
    if (m_report->isHidden())
        return;
    m_report->hide();
    lockWindow(false);
    if (m_updateAvailable)
        m_ui.updateIndicator->show();
}

void MainWnd::slotReportButtonClicked()
{
    if (m_reviewRunning)
        return;
    log(QStringLiteral("QL_Main_More"));
    log(QStringLiteral("QL_Main_Report"));
    showReportFrame();
}

void MainWnd::slotShare()
{
    log(QStringLiteral("QL_Main_Share"));
    const QString site = GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Web, QString());
    const QString address =
        GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::FacebookWww, QStringLiteral("/dialog/feed?"))
        + QStringLiteral("app_id=402913865571304") + QStringLiteral("&link=") + site
        + QStringLiteral("&picture=") + site + QStringLiteral("/images/quillet.png")
        + QStringLiteral("&name=Quillet, the best free grammar checker") + QStringLiteral("&caption= ")
        + QStringLiteral("&description=It grants you free instant text check for various mistakes and offers "
                         "you enrichment suggestions to write better English.")
        + QStringLiteral("&redirect_uri=") + site + QStringLiteral("/LoginedByFacebook.ashx");
    QDesktopServices::openUrl(QUrl(address));
}

void MainWnd::slotFeedback()
{
    log(QStringLiteral("QL_Main_Feedback"));
    openWebPage(QStringLiteral("/Feedback"));
}

void MainWnd::slotGotoUserCenter()
{
    log(QStringLiteral("QL_Main_User_Center"));
    GammaLib::UserAccess &access = GammaLib::UserAccess::instance();
    QDesktopServices::openUrl(QUrl(GammaLib::ServiceAddresses::instance().url(
        GammaLib::ServiceAddresses::Web, QStringLiteral("/Account/LoginFromClient?u=") + access.userName()
                                             + QStringLiteral("&s=") + access.sessionKey())));
}

void MainWnd::slotGotoCommunity()
{
    log(QStringLiteral("QL_Main_Community"));
    openWebPage(QStringLiteral("/Community"));
}

void MainWnd::slotGotoDocumentTemplates() { openWebPage(QStringLiteral("/Templates")); }
void MainWnd::slotFAQ() { openWebPage(QStringLiteral("/Help")); }
void MainWnd::slotAbout()
{
    ask(tr("Quillet %1\nA writing assistant for English.").arg(GammaLib::clientVersion()), {tr("OK")});
}
