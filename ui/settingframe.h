#ifndef SETTINGFRAME_H
#define SETTINGFRAME_H

#include <QPointer>
#include <memory>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QLocalServer;
class QLocalSocket;
class QProgressBar;
class QPushButton;
class QSpinBox;
class ConfigFile;
class ProxyPanel;
class RotatingPicture;

namespace GammaLib {
class VersionHelper;
}

// The settings dialog: general switches, the proxy with its connection test,
// the version check with the hand-over to the updater, and the interface
// language. Values are written to the preferences when it closes.
class SettingFrame : public QWidget
{
    Q_OBJECT
public:
    enum UpdateState { Idle = 0, Checking = 1, UpToDate = 2, Available = 3, Updating = 4, Done = 5 };
    static constexpr int MinimumCheckMs = 1000;

    explicit SettingFrame(QWidget *parent = nullptr);
    ~SettingFrame() override;

    // Normal opening: the proxy working copy and every control from the store.
    void openSettings();
    // Opening with a newer version the main window already knows of.
    void openWithUpdate(int version, const QString &versionText, bool reset);

    int updateState() const { return m_updateState; }
    // The updater program started for "Update now" (beside this program).
    void setUpdaterProgram(const QString &program) { m_updaterProgram = program; }
    // The folder whose "ver.dat" holds the installed version (the program's);
    // the dialog reads it into its own copy, which it never writes back: the
    // file belongs to the updater.
    void setProgramFolder(const QString &folder);
    // The installed version as the dialog knows it: the file's, or the
    // version a finished update installed.
    int installedVersion() const;
    // The text shown when a version check or the updater fails.
    static QString failureText();

    // The form's parts, for the tests.
    QCheckBox *gotoNextBox() const { return m_gotoNext; }
    QCheckBox *enrichmentBox() const { return m_enrichment; }
    QCheckBox *reportBox() const { return m_report; }
    // The editor's text size in points; its minimum stands for the system's size.
    QSpinBox *textSizeBox() const { return m_textSize; }
    ProxyPanel *proxyPanel() const { return m_proxy; }
    QLabel *updateTextLabel() const { return m_updateText; }
    RotatingPicture *updateIcon() const { return m_updateIcon; }
    QPushButton *updateButton() const { return m_updateButton; }
    QProgressBar *updateProgress() const { return m_progress; }
    QComboBox *languageBox() const { return m_language; }
    QLabel *restartHint() const { return m_restartHint; }
    QPushButton *restartButton() const { return m_restartButton; }

signals:
    void signalClose();
    void signalError(const QString &text);
    void signalRestart();
    void signlUpdate(int verId, const QString &verInfo);

public slots:
    void slotClose();
    void slotProxyTypeChanged(int index);
    void slotTestProxy();
    void slotCheckProxyFinished(int nCode);
    void slotProxyServerTextChanged();
    void slotRecoverTip();
    void slotUpdate();
    void slotGetVersionFinished(const QStringList &result);
    void slotReady();
    void slotNewConnection();
    void slotDataReceived();
    void slotLanguageChanged(int index);
    void slotRestart();

private:
    void buildForm();
    void loadControls();
    // Stores the switches and the proxy, installs the proxy and stops a
    // running update: what leaving the dialog does, by Close or by a restart.
    void keepChoices();
    void setUpdateState(int state);
    void startCheck();
    void handleVersionAnswer();
    void startUpdater();
    void sendToUpdater(const QByteArray &line);
    void dropUpdater();

    QCheckBox *m_gotoNext = nullptr;
    QCheckBox *m_enrichment = nullptr;
    QCheckBox *m_report = nullptr;
    QSpinBox *m_textSize = nullptr;
    ProxyPanel *m_proxy = nullptr;
    RotatingPicture *m_updateIcon = nullptr; // turns while checking
    QLabel *m_updateText = nullptr;
    QPushButton *m_updateButton = nullptr;
    QProgressBar *m_progress = nullptr;
    QComboBox *m_language = nullptr;
    QLabel *m_restartHint = nullptr;
    QPushButton *m_restartButton = nullptr;

    GammaLib::VersionHelper *m_version = nullptr;
    QTimer m_minimumCheck;
    bool m_answerDone = false;
    bool m_timerDone = false;
    QStringList m_answer;
    QLocalServer *m_updateChannel = nullptr;
    QPointer<QLocalSocket> m_updater;
    int m_updateState = Idle;
    int m_offeredVersion = 0;
    QString m_versionText;
    bool m_reset = false;
    QString m_updaterProgram;
    QString m_programFolder;
    std::unique_ptr<ConfigFile> m_versionConfig; // "ver.dat", in memory only
    const QStringList m_languageCodes{QStringLiteral("en"), QStringLiteral("zh-CN"), QStringLiteral("es"),
                                      QStringLiteral("ja")};
};

#endif
