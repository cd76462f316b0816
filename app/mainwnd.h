#ifndef MAINWND_H
#define MAINWND_H

#include "crashrecoverycopy.h"
#include "documentdialogs.h"
#include "cresultstate.h"
#include "customwindow.h"
#include "mainwndui.h"
#include "menuitemtype.h"
#include "resultstore.h"
#include "titlebar.h"

#include <QHash>
#include <QNetworkReply>
#include <QSet>
#include <QTimer>
#include <functional>

class ChunkEntry;
class CustomMenuBar;
class Overlay;
class SettingFrame;
class EvernoteProgressFrame;
class EvernoteListFrame;
class CheckTaskThread;
class CorrectionItem;
class LoadingBox;
class ProgressOverlay;
class ReportFrame;
class QContextMenuEvent;
class TransientNotice;
class TutorialOverlay;

namespace GammaLib {
class DetectSentenceThread;
class DetectWordThread;
class NetworkHelper;
class UserInformation;
class VersionHelper;
}

// The program's main window: the editor with its marks and the whole review
// workflow, from the Review button to the marks, navigation between them,
// apply-all, crash recovery and the orderly close with log-out.
class MainWnd : public CustomWindow
{
    Q_OBJECT
public:
    static constexpr int WordsPerReview = 10000;
    static constexpr int WordsPerMinute = 30000;
    static constexpr int WordBudgetMs = 60000;
    static constexpr int BackupMs = 5000;
    static constexpr int ServerCheckMs = 30000;

    // Shows a message box and returns QDialog::Accepted or Rejected; extra
    // tells whether the third button ("Save") closed it.
    using MessagePresenter =
        std::function<int(const QString &text, const QStringList &buttons, bool *extra)>;

    explicit MainWnd(QWidget *parent = nullptr);
    ~MainWnd() override;

    // Replaces the message box (tests answer the questions themselves).
    void setMessagePresenter(MessagePresenter presenter) { m_present = std::move(presenter); }
    // Replaces the open and save dialogs (tests choose the files themselves).
    void setDocumentDialogs(DocumentDialogs dialogs) { m_dialogs = std::move(dialogs); }

    CustomMenuBar *menuBar() const { return m_menuBar; }
    SettingFrame *settingFrame() const { return m_settings; }
    EvernoteProgressFrame *evernoteProgressFrame() const { return m_evernoteProgress; }
    EvernoteListFrame *evernoteListFrame() const { return m_evernoteList; }

    // Loads a document into the editor (open dialog and recent files); false
    // when the user kept the current text or the file could not be read.
    bool loadDocument(const QString &path);

    // What the review left behind, for the tests and the panels.
    CustomTextEditor *editor() const { return m_ui.editor; }
    const MainWndUi &ui() const { return m_ui; }
    const QList<CorrectionItem *> &liveMarks() const { return m_liveMarks; }
    CorrectionItem *currentMark() const { return m_currentMark; }
    const QList<ChunkEntry *> &chunkEntries() const { return m_chunks; }
    const QHash<int, int> &categories() const { return m_categories; }
    int wordCount() const { return m_wordCount; }
    int wordsThisMinute() const { return m_wordsThisMinute; }
    int lastError() const { return m_lastError; }
    bool isReviewRunning() const { return m_reviewRunning; }
    bool isClosing() const { return m_closing; }
    ProgressOverlay *progressOverlay() const { return m_progress; }
    // The cover shown while a Word 97-2003 document is written (null until the first).
    ProgressOverlay *saveCover() const { return m_saveCover; }
    bool isSavingDocument() const { return m_savingDocument; }
    CheckTaskThread *checkRun() const { return m_checkRun; }
    TransientNotice *notice() const { return m_notice; }
    TutorialOverlay *tutorial() const { return m_tutorial; }
    ReportFrame *report() const { return m_report; }
    GammaLib::UserInformation *usage() const { return m_usage; }
    ResultStore &resultStore() { return m_store; }
    QTimer &backupTimer() { return m_backupTimer; }
    QTimer &wordBudgetTimer() { return m_wordBudgetTimer; }

    // Where a running review is; late signals of an earlier phase are ignored.
    enum ReviewPhase { Idle, CountingWords, DetectingSentences, Checking };
    ReviewPhase reviewPhase() const { return m_phase; }

    // The usage upload gets this long when a signal ends the program.
    static constexpr int SignalUploadMs = 2000;

public slots:
    // SIGTERM or SIGHUP (log-out, shutdown): ends the program without a
    // question. The preferences and the window's place are saved, a text in
    // the editor is copied so the next start brings it back (nobody could
    // be asked to save it), and the usage upload gets SignalUploadMs at most.
    void closeForSignal();
    void slotClose();
    void slotMax();
    void slotMin();
    void slotRestore();
    void slotMove(int x, int y);
    void slotOpen();
    void slotOpenRecentFile();
    void slotReview();
    void slotApplyAll();
    void slotSaveAs();
    void slotOpenEvernote();
    void slotSaveAsEvernote();
    void slotCopyAll();
    void slotClearAll();
    void slotShowSetting();
    void slotCloseSetting();
    void slotErrorSetting(const QString &text);
    void slotCloseReport();
    void slotReportButtonClicked();
    void slotGoClicked();
    void slotEditMenuOpening();
    void slotSidebarToogled(bool shown);
    void slotSearchContentChanged(const QString &text);
    void slotBackup();
    void slotCancel();
    void slotDetectSentenceFinished();
    void slotDetectWordFinished();
    void slotResetWordCountLimit();
    void slotUpdateState(CResultState state);
    void slotCheckTaskFinished(QNetworkReply::NetworkError code);
    void slotProgressFinished();
    void slotCheckServer();
    void slotCheckServerFinished(int code);
    void slotCorrectItem(CorrectionItem *item, MenuItemType type, int index);
    void slotCorrectItem(CorrectionItem *item, MenuItemType type, int index,
                         const QString &correctionList);
    void slotUserInformationUploaded();
    void slotLogoutFinished(int code);
    void slotLogout();
    void slotShare();
    void slotFeedback();
    void slotRestartApp();
    void slotGetLastVersionFinished(const QStringList &list);
    void slotGotoUserCenter();
    void slotGotoDocumentTemplates();
    void slotGotoCommunity();
    void slotUpdateStatusChanged(int n, const QString &text);
    void slotGotoUpdate();
    void slotFAQ();
    void slotAbout();
    void slotContextMenu(QContextMenuEvent *event);
    void slotOnPaste(const QString &text);
    void slotOnCut();
    void slotPositionChanged();
    void slotSelectionChanged();
    void slotTextChanged();
    void slotScrollRangeChanged(int min, int max);
    void slotEvernoteFinished();
    void slotOpenEvernoteFinished(const QString &content);
    void slotSampleTextLoaded(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void maximizedChanged(bool maximized) override;

private:
    int ask(const QString &text, const QStringList &buttons, bool *extra = nullptr);
    void log(const QString &event);
    void lockWindow(bool locked);
    void stopReview();
    void clearReview();
    void addMark(ChunkEntry *entry, const CCorrection &correction);
    void countCategory(int errorType);
    void showReportFrame();
    void setCurrentMark(CorrectionItem *mark);
    // Retires a mark; with record, the open edit step of the document keeps
    // it so that undoing the step brings it back.
    void retireMark(CorrectionItem *mark, bool record = true);
    // Adds the mark's retirement to the open edit step of the document.
    void recordRetirement(CorrectionItem *mark);
    // Undo of an edit step: a live mark again over [start, end] of owner.
    CorrectionItem *restoreMark(ChunkEntry *owner, const CCorrection &correction, int start, int end);
    void retireMarksForEdit();
    void centreOnStartScreen();
    // "Apply all" and the editor's label spacing follow whether live marks remain.
    void updateForLiveMarks();
    void restoreGeometryFromSettings();
    void saveGeometryToSettings();
    void recoverAfterCrash();
    void startCloseUpload();
    bool saveDocument();
    // Writes a Word 97-2003 document on a worker thread while the save cover
    // with its Cancel button is up; *cancelled tells a cancel from a failure.
    bool writeLegacyDocument(const QString &path, const QString &text, bool *cancelled);
    void setUpMenu();
    void setUpSettings();
    void setUpEvernote();
    void startEvernote(int mode);
    void showSettings(bool withUpdate);
    void openWebPage(const QString &path);
    void startRestart();
    void endEventLoop();

    MainWndUi m_ui;
    MessagePresenter m_present;
    DocumentDialogs m_dialogs;
    CustomMenuBar *m_menuBar = nullptr;
    Overlay *m_settingsCover = nullptr;
    SettingFrame *m_settings = nullptr;
    Overlay *m_evernoteCover = nullptr;
    EvernoteProgressFrame *m_evernoteProgress = nullptr;
    EvernoteListFrame *m_evernoteList = nullptr;

    // Review state
    QList<ChunkEntry *> m_chunks;
    QList<CorrectionItem *> m_liveMarks;
    CorrectionItem *m_currentMark = nullptr;
    // Undo and redo are bringing marks back or retiring them again.
    bool m_replayingUndo = false;
    QSet<int> m_received;
    QHash<int, int> m_categories;
    int m_found = 0;
    int m_left = 0;
    int m_wordCount = 0;
    int m_wordsThisMinute = 0;
    bool m_checkRunning = false;
    bool m_cancelled = false;
    bool m_succeeded = false;
    bool m_reviewRunning = false;
    ReviewPhase m_phase = Idle;
    int m_lastError = 0;

    // Close and log-out
    bool m_closing = false;
    bool m_restartAfterClose = false;
    bool m_closeAllowed = false;
    bool m_loggingOut = false;
    bool m_endingForSignal = false;

    // The first click into the search field after it gained the focus
    // selects its whole text.
    bool m_searchSelectPending = false;

    // Updates
    bool m_updateAvailable = false;
    int m_offeredVersion = 0;
    QString m_versionText;
    bool m_resetSettings = false;

    ResultStore m_store;
    CrashRecoveryCopy m_backup;

    GammaLib::DetectWordThread *m_wordThread = nullptr;
    GammaLib::DetectSentenceThread *m_sentenceThread = nullptr;
    CheckTaskThread *m_checkRun = nullptr;
    GammaLib::NetworkHelper *m_network = nullptr;
    GammaLib::VersionHelper *m_version = nullptr;
    GammaLib::UserInformation *m_usage = nullptr;

    ProgressOverlay *m_progress = nullptr;
    ProgressOverlay *m_saveCover = nullptr;
    bool m_savingDocument = false;
    TransientNotice *m_notice = nullptr;
    TutorialOverlay *m_tutorial = nullptr;
    ReportFrame *m_report = nullptr;

    QTimer m_wordBudgetTimer;
    QTimer m_backupTimer;
    QTimer m_serverTimer;
};

#endif
