#ifndef MAINWND_H
#define MAINWND_H

#include "closesequence.h"
#include "documentfiles.h"
#include "cresultstate.h"
#include "customwindow.h"
#include "mainwndui.h"
#include "marklist.h"
#include "reviewpresenter.h"
#include "menuitemtype.h"
#include "reviewsession.h"
#include "textbackup.h"
#include "titlebar.h"
#include "updateoffer.h"

#include <QHash>
#include <QNetworkReply>
#include <QTimer>
#include <functional>
#include <memory>

class ChunkEntry;
class CustomMenuBar;
class Overlay;
class SettingFrame;
class SettingsCover;
class EvernoteProgressFrame;
class EvernoteListFrame;
class EvernoteCover;
class CheckTaskThread;
class CorrectionItem;
class ProgressOverlay;
class ReportFrame;
class QContextMenuEvent;
class TransientNotice;
class TutorialOverlay;

namespace GammaLib {
class NetworkHelper;
class UserInformation;
class VersionHelper;
}

// The program's main window: the editor, the toolbar, the status line and the
// covers laid over them. The review itself runs in a ReviewSession and its
// marks live in a MarkList; the window's slots forward to them, to the
// document commands (DocumentFiles), the crash copy (TextBackup) and the
// orderly close with log-out (CloseSequence).
class MainWnd : public CustomWindow
{
    Q_OBJECT
public:
    static constexpr int WordsPerReview = ReviewSession::WordsPerReview;
    static constexpr int WordsPerMinute = ReviewSession::WordsPerMinute;
    static constexpr int WordBudgetMs = ReviewSession::WordBudgetMs;
    static constexpr int BackupMs = TextBackup::BackupMs;
    static constexpr int ServerCheckMs = 30000;

    using MessagePresenter = ::MessagePresenter;

    explicit MainWnd(QWidget *parent = nullptr);
    ~MainWnd() override;

    // Replaces the message box (tests answer the questions themselves).
    void setMessagePresenter(MessagePresenter presenter) { m_present = std::move(presenter); }
    // Replaces the open and save dialogs (tests choose the files themselves).
    void setDocumentDialogs(DocumentDialogs dialogs) { m_files->setDialogs(std::move(dialogs)); }

    CustomMenuBar *menuBar() const { return m_menuBar; }
    SettingFrame *settingFrame() const { return m_settings; }
    EvernoteProgressFrame *evernoteProgressFrame() const;
    EvernoteListFrame *evernoteListFrame() const;

    // Loads a document into the editor (open dialog and recent files); false
    // when the user kept the current text or the file could not be read.
    bool loadDocument(const QString &path);

    // What the review left behind, for the tests and the panels.
    CustomTextEditor *editor() const { return m_ui.editor; }
    const MainWndUi &ui() const { return m_ui; }
    ReviewSession *review() const { return m_review; }
    MarkList *marks() const { return m_marks; }
    const QList<CorrectionItem *> &liveMarks() const { return m_marks->liveMarks(); }
    CorrectionItem *currentMark() const { return m_marks->currentMark(); }
    const QList<ChunkEntry *> &chunkEntries() const { return m_review->chunks(); }
    const QHash<int, int> &categories() const { return m_marks->categories(); }
    int wordCount() const { return m_review->wordCount(); }
    int wordsThisMinute() const { return m_review->wordsThisMinute(); }
    int lastError() const { return m_review->lastError(); }
    bool isReviewRunning() const { return m_review->isRunning(); }
    bool isClosing() const { return m_closing->isClosing(); }
    ProgressOverlay *progressOverlay() const { return m_view->progress(); }
    // The cover shown while a Word 97-2003 document is written (null until the first).
    ProgressOverlay *saveCover() const { return m_files->saveCover(); }
    bool isSavingDocument() const { return m_files->isSaving(); }
    CheckTaskThread *checkRun() const { return m_review->checkRun(); }
    TransientNotice *notice() const { return m_notice; }
    TutorialOverlay *tutorial() const { return m_tutorial; }
    ReportFrame *report() const { return m_view->report(); }
    GammaLib::UserInformation *usage() const { return m_usage; }
    ResultStore &resultStore() { return m_review->resultStore(); }
    QTimer &backupTimer() { return m_backup->timer(); }
    QTimer &wordBudgetTimer() { return m_review->wordBudgetTimer(); }

    // Where a running review is; late signals of an earlier phase are ignored.
    ReviewSession::Phase reviewPhase() const { return m_review->phase(); }

    // The usage upload gets this long when a signal ends the program.
    static constexpr int SignalUploadMs = CloseSequence::SignalUploadMs;

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
    void clearReview();
    bool saveDocument();
    void setUpMenu();
    void setUpSettings();
    void setUpEvernote();
    void startEvernote(int mode);
    void showSettings(bool withUpdate);

    MainWndUi m_ui;
    MessagePresenter m_present;
    CustomMenuBar *m_menuBar = nullptr;
    SettingsCover *m_settingsCover = nullptr;
    SettingFrame *m_settings = nullptr;
    EvernoteCover *m_evernoteCover = nullptr;

    ReviewSession *m_review = nullptr;
    MarkList *m_marks = nullptr;
    std::unique_ptr<TextBackup> m_backup;
    std::unique_ptr<DocumentFiles> m_files;
    std::unique_ptr<CloseSequence> m_closing;
    std::unique_ptr<ReviewPresenter> m_view;

    UpdateOffer m_updates;

    GammaLib::NetworkHelper *m_network = nullptr;
    GammaLib::VersionHelper *m_version = nullptr;
    GammaLib::UserInformation *m_usage = nullptr;

    TransientNotice *m_notice = nullptr;
    TutorialOverlay *m_tutorial = nullptr;

    QTimer m_serverTimer;
};

#endif
