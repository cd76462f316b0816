#include "settingframe.h"

#include "appsettings.h"
#include "configfile.h"
#include "editorzoom.h"
#include "eventlog.h"
#include "preferences.h"
#include "proxypanel.h"
#include "rotatingpicture.h"
#include "serviceaddresses.h"
#include "versionhelper.h"
#include "windowsettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const char *const UpdateChannel = "QuilletUpdate";

} // namespace

SettingFrame::SettingFrame(QWidget *parent)
    : QWidget(parent)
    , m_version(new GammaLib::VersionHelper(GammaLib::VersionHelper::defaultAddress(), this))
    , m_updateChannel(new QLocalServer(this))
    , m_updaterProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/update"))
{
    setObjectName(QStringLiteral("SetFrameClass"));
    setProgramFolder(QCoreApplication::applicationDirPath());
    buildForm();
    m_minimumCheck.setSingleShot(true);
    m_minimumCheck.setInterval(MinimumCheckMs);
    connect(&m_minimumCheck, &QTimer::timeout, this, &SettingFrame::slotReady);
    connect(m_version, &GammaLib::VersionHelper::GetLastestVersionFinished, this,
            &SettingFrame::slotGetVersionFinished);
    connect(m_updateChannel, &QLocalServer::newConnection, this, &SettingFrame::slotNewConnection);
    setUpdateState(Idle);
}

void SettingFrame::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
    m_versionConfig = std::make_unique<ConfigFile>(folder, QStringLiteral("ver.dat"));
}

int SettingFrame::installedVersion() const
{
    // A missing file is version 0, unless an update set the copy since.
    if (!m_versionConfig->exists() && !m_versionConfig->entries().contains(QStringLiteral("VersionId")))
        return 0;
    return AppSettings::versionOf(*m_versionConfig);
}

SettingFrame::~SettingFrame()
{
    // An update still running is told to stop rather than left waiting.
    if (m_updateState == Updating)
        sendToUpdater("Cancel");
}

QString SettingFrame::failureText()
{
    const QString site = GammaLib::ServiceAddresses::instance().url(GammaLib::ServiceAddresses::Web,
                                                                    QStringLiteral("/Products/DownLoad"));
    return tr("Unfortunately, the request failed.<br />Fortunately, you can always visit <a "
              "style='color:#00c8ff;' href='%1'>our website</a> to download the latest version.")
        .arg(site);
}

void SettingFrame::buildForm()
{
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);

    auto *general = new QGroupBox(tr("General"), this);
    auto *generalLayout = new QVBoxLayout(general);
    m_gotoNext = new QCheckBox(
        tr(" Automatically jump to the next flagged error, when done with correcting the previous one."), general);
    m_enrichment = new QCheckBox(tr("Show me enrichment suggestions beside grammar/spelling corrections."), general);
    m_report = new QCheckBox(tr("Show me \"Correction Statistics\" after each grammar check."), general);
    for (QCheckBox *box : {m_gotoNext, m_enrichment, m_report})
        generalLayout->addWidget(box);
    // The editor's text size; its lowest step is the system font's own size.
    auto *sizeRow = new QHBoxLayout;
    auto *sizeLabel = new QLabel(tr("Text size:"), general);
    m_textSize = new QSpinBox(general);
    m_textSize->setRange(EditorZoom::MinimumPoints - 1, EditorZoom::MaximumPoints);
    m_textSize->setSpecialValueText(tr("System size"));
    m_textSize->setSuffix(tr(" pt"));
    sizeLabel->setBuddy(m_textSize);
    m_textSize->setAccessibleName(tr("Text size"));
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(m_textSize);
    sizeRow->addStretch(1);
    generalLayout->addLayout(sizeRow);
    layout->addWidget(general);

    auto *proxy = new QGroupBox(tr("Proxy"), this);
    auto *proxyLayout = new QVBoxLayout(proxy);
    m_proxy = new ProxyPanel(proxy);
    proxyLayout->addWidget(m_proxy);
    layout->addWidget(proxy);

    auto *update = new QGroupBox(tr("Update"), this);
    auto *updateLayout = new QHBoxLayout(update);
    m_updateIcon = new RotatingPicture(update);
    m_updateIcon->setObjectName(QStringLiteral("updateIcon"));
    m_updateIcon->setFixedSize(20, 20); // the kit's spinner, in the program's colour
    m_updateText = new QLabel(update);
    m_progress = new QProgressBar(update);
    m_progress->setRange(0, 100);
    m_updateButton = new QPushButton(update);
    updateLayout->addWidget(m_updateIcon);
    updateLayout->addWidget(m_updateText, 1);
    updateLayout->addWidget(m_progress, 1);
    updateLayout->addWidget(m_updateButton);
    layout->addWidget(update);

    auto *language = new QGroupBox(tr("Language"), this);
    auto *languageLayout = new QHBoxLayout(language);
    m_language = new QComboBox(language);
    m_language->addItems({QStringLiteral("English"), QString::fromUtf8("\xE7\xAE\x80\xE4\xBD\x93\xE4\xB8\xAD\xE6\x96\x87"),
                          QString::fromUtf8("Espa\xC3\xB1ol"), QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E")});
    m_restartHint = new QLabel(tr("Please restart Quillet after changing the language setting"), language);
    m_restartButton = new QPushButton(tr("Restart Quillet"), language);
    m_restartHint->hide();
    m_restartButton->hide();
    // The hint coming in beside it must not squeeze the language list; the
    // hint wraps instead of being cut.
    m_language->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_restartHint->setWordWrap(true);
    languageLayout->addWidget(m_language);
    languageLayout->addWidget(m_restartHint, 1);
    languageLayout->addWidget(m_restartButton);
    layout->addWidget(language);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("closeButton"));
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(close, &QPushButton::clicked, this, &SettingFrame::slotClose);
    connect(m_updateButton, &QPushButton::clicked, this, &SettingFrame::slotUpdate);
    connect(m_language, qOverload<int>(&QComboBox::activated), this, &SettingFrame::slotLanguageChanged);
    connect(m_restartButton, &QPushButton::clicked, this, &SettingFrame::slotRestart);
}

// Opening --------------------------------------------------------------------------------

void SettingFrame::openSettings()
{
    m_proxy->load();
    if (m_updateState != Updating) // an update in progress keeps reporting
        setUpdateState(Idle);
    loadControls();
}

void SettingFrame::openWithUpdate(int version, const QString &versionText, bool reset)
{
    m_proxy->load();
    if (m_updateState != Updating) {
        m_offeredVersion = version;
        m_versionText = versionText;
        m_reset = reset;
        setUpdateState(Available);
    }
    loadControls();
}

void SettingFrame::loadControls()
{
    const Preferences preferences;
    m_gotoNext->setChecked(preferences.gotoNext());
    m_enrichment->setChecked(preferences.enrichmentEnabled());
    m_report->setChecked(preferences.showReport());
    const int points = preferences.editorFontSize();
    m_textSize->setValue(points > 0 ? points : m_textSize->minimum());

    const int language = m_languageCodes.indexOf(preferences.language());
    m_language->setCurrentIndex(language < 0 ? 0 : language);
}

// Proxy: the panel does the work ------------------------------------------------------

void SettingFrame::slotProxyTypeChanged(int index) { m_proxy->slotProxyTypeChanged(index); }
void SettingFrame::slotTestProxy() { m_proxy->slotTestProxy(); }
void SettingFrame::slotCheckProxyFinished(int nCode) { m_proxy->slotCheckProxyFinished(nCode); }
void SettingFrame::slotProxyServerTextChanged() { m_proxy->slotProxyServerTextChanged(); }
void SettingFrame::slotRecoverTip() { m_proxy->slotRecoverTip(); }

// Closing --------------------------------------------------------------------------------

void SettingFrame::slotClose()
{
    keepChoices();
    emit signalClose();
}

void SettingFrame::keepChoices()
{
    Preferences preferences;
    preferences.setGotoNext(m_gotoNext->isChecked());
    preferences.setEnrichmentEnabled(m_enrichment->isChecked());
    preferences.setShowReport(m_report->isChecked());
    const int points = m_textSize->value();
    const int chosen = points == m_textSize->minimum() ? 0 : points;
    if (chosen != preferences.editorFontSize())
        preferences.setEditorFontSize(chosen);

    // The proxy part stores its kind and fields, saves the file and
    // installs the proxy.
    m_proxy->save();
    preferences.save();
    if (m_updateState == Updating) {
        sendToUpdater("Cancel");
        setUpdateState(Available);
    }
}

// Language -------------------------------------------------------------------------------

void SettingFrame::slotLanguageChanged(int index)
{
    const QString code = m_languageCodes.value(index);
    if (code.isEmpty())
        return;
    Preferences preferences;
    if (code != preferences.language()) {
        m_restartHint->show();
        m_restartButton->show();
    }
    preferences.setLanguage(code);
}

void SettingFrame::slotRestart()
{
    // A restart leaves the dialog as Close does: what the user chose is kept.
    keepChoices();
    emit signalRestart();
}

// Update ---------------------------------------------------------------------------------

void SettingFrame::setUpdateState(int state)
{
    m_updateState = state;
    m_updateIcon->setVisible(state == Checking);
    if (state == Checking)
        m_updateIcon->start();
    else
        m_updateIcon->stop();
    m_progress->setVisible(state == Available || state == Updating);
    m_updateButton->setEnabled(state != Checking);
    m_updateText->setVisible(state == Checking || state == UpToDate || state == Available);
    switch (state) {
    case Idle:
        m_updateButton->setText(tr("Check for updates"));
        break;
    case Checking:
        m_updateText->setText(tr("Checking for updates..."));
        break;
    case UpToDate:
        m_updateText->setText(tr("You're now running the latest version."));
        m_updateButton->setText(tr("Check for updates"));
        break;
    case Available:
        m_updateText->setText(QStringLiteral("v ") + m_versionText + QLatin1Char(' ') + tr("available"));
        m_updateButton->setText(tr("Update now"));
        m_progress->setValue(0);
        break;
    case Updating:
        m_updateButton->setText(tr("Cancel"));
        break;
    case Done:
        m_updateButton->setText(tr("Restart Quillet"));
        break;
    default:
        break;
    }
}

void SettingFrame::slotUpdate()
{
    switch (m_updateState) {
    case Idle:
    case UpToDate:
        startCheck();
        break;
    case Available:
        startUpdater();
        break;
    case Updating:
        sendToUpdater("Cancel");
        setUpdateState(Available);
        break;
    case Done:
        slotRestart();
        break;
    default:
        break;
    }
}

void SettingFrame::startCheck()
{
    setUpdateState(Checking);
    m_answerDone = false;
    m_timerDone = false;
    m_answer.clear();
    m_version->requestLatestVersion();
    m_minimumCheck.start();
}

void SettingFrame::slotGetVersionFinished(const QStringList &result)
{
    if (m_updateState != Checking || m_answerDone)
        return;
    m_answer = result;
    m_answerDone = true;
    if (m_timerDone)
        handleVersionAnswer();
}

void SettingFrame::slotReady()
{
    if (m_updateState != Checking || m_timerDone)
        return;
    m_timerDone = true;
    if (m_answerDone)
        handleVersionAnswer();
}

void SettingFrame::handleVersionAnswer()
{
    if (!GammaLib::VersionHelper::isCompleteAnswer(m_answer)) {
        setUpdateState(Idle);
        emit signalError(failureText());
        return;
    }
    const int offered = m_answer.at(0).toInt();
    if (installedVersion() >= offered) {
        setUpdateState(UpToDate);
        return;
    }
    m_offeredVersion = offered;
    m_versionText = m_answer.at(1);
    m_reset = GammaLib::VersionHelper::resetsSettings(m_answer);
    setUpdateState(Available);
    emit signlUpdate(m_offeredVersion, m_versionText);
}

void SettingFrame::startUpdater()
{
    if (!m_updateChannel->isListening()) {
        QLocalServer::removeServer(QLatin1String(UpdateChannel));
        m_updateChannel->listen(QLatin1String(UpdateChannel));
    }
    if (m_reset) {
        WindowSettings settings;
        settings.setShowTutorial(true);
        settings.save();
    }
    const QString argument = QString::number(m_offeredVersion) + QLatin1Char('|') + (m_reset ? QLatin1Char('1') : QLatin1Char('0'));
    if (!QProcess::startDetached(m_updaterProgram, {argument})) {
        emit signalError(failureText());
        return;
    }
    setUpdateState(Updating);
}

void SettingFrame::slotNewConnection()
{
    while (QLocalSocket *connection = m_updateChannel->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        connect(connection, &QLocalSocket::readyRead, this, &SettingFrame::slotDataReceived);
        m_updater = connection;
    }
}

void SettingFrame::slotDataReceived()
{
    auto *connection = qobject_cast<QLocalSocket *>(sender());
    if (!connection)
        connection = m_updater;
    if (!connection)
        return;
    while (connection->canReadLine()) {
        const QByteArray line = connection->readLine().trimmed();
        if (m_updateState != Updating)
            continue;
        bool isNumber = false;
        const int value = line.toInt(&isNumber);
        if (isNumber) {
            if (value >= 0 && value <= 100)
                m_progress->setValue(value);
        } else if (line == "UpdateFail") {
            emit signalError(failureText());
            setUpdateState(Idle);
            dropUpdater();
            return;
        } else if (line == "UpdateSuccess") {
            if (!m_gotoNext->isChecked())
                EventLog::log(QStringLiteral("QL_Main_Go2Next_Disable"));
            // The updater wrote the version file; the dialog's copy follows
            // it in memory, so a check before the restart finds it current.
            m_versionConfig->setValue(QStringLiteral("VersionId"), QString::number(m_offeredVersion));
            setUpdateState(Done);
            dropUpdater();
            emit signlUpdate(-1, QString());
            return;
        }
    }
}

void SettingFrame::sendToUpdater(const QByteArray &line)
{
    if (m_updater && m_updater->state() == QLocalSocket::ConnectedState) {
        m_updater->write(line + '\n');
        m_updater->flush();
    }
}

void SettingFrame::dropUpdater()
{
    if (m_updater)
        m_updater->disconnectFromServer();
}
