#include "evernoteprogressframe.h"

#include "evernote.h"
#include "evernotewindow.h"
#include "kitresources.h"
#include "manager.h"
#include "notetitle.h"
#include "preferences.h"
#include "rotatingpicture.h"
#include "themecolours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace GammaLib;

EvernoteProgressFrame::EvernoteProgressFrame(QWidget *parent)
    : QFrame(parent)
    , m_evernote(new Evernote(this))
    , m_countdown(new QTimer(this))
{
    setObjectName(QStringLiteral("EvernoteProgressFrame"));
    setFixedSize(420, 170);
    setStyleSheet(ThemeColours::themed(QStringLiteral(
        "#EvernoteProgressFrame{background:#ffffff;border:1px solid #c8c8c8;border-radius:4px;}"
        "#evernoteMessage{color:#333333;font-size:11pt;}"
        "QPushButton{background:#19A0DC;color:#ffffff;border:0;border-radius:3px;padding:5px 16px;min-width:90px;}"
        "QPushButton:hover{background:#1590c8;}")));

    KitResources::ensureLoaded();
    m_loading = new RotatingPicture(this);
    m_loading->setObjectName(QStringLiteral("evernoteProgressLoading"));
    m_loading->setPixmap(QPixmap(KitResources::loadingImage()));
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("evernoteMessage"));
    m_label->setWordWrap(true);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_button = new QPushButton(this);
    m_button->setObjectName(QStringLiteral("evernoteButton"));
    m_button->setCursor(Qt::PointingHandCursor);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(m_loading, 0, Qt::AlignVCenter);
    row->addWidget(m_label, 1);
    layout->addLayout(row, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_button);
    layout->addLayout(buttons);

    m_countdown->setInterval(1000);
    connect(m_countdown, &QTimer::timeout, this, &EvernoteProgressFrame::slotCountDown);
    connect(m_button, &QPushButton::clicked, this, &EvernoteProgressFrame::slotClicked);
    connect(m_evernote, &Evernote::signalInfo, this, &EvernoteProgressFrame::slotShowInfo);
    connect(m_evernote, &Evernote::signalFinished, this, &EvernoteProgressFrame::slotFinished);
}

EvernoteProgressFrame::~EvernoteProgressFrame()
{
    dropWindow();
}

EvernoteWindow *EvernoteProgressFrame::authorizationWindow() const
{
    return m_window.data();
}

QString EvernoteProgressFrame::message() const
{
    return m_label->text();
}

QString EvernoteProgressFrame::buttonText() const
{
    return m_button->text();
}

void EvernoteProgressFrame::start(Mode mode, const QString &text)
{
    m_mode = mode;
    m_text = text;
    m_title.clear();
    m_token.clear();
    begin();
}

void EvernoteProgressFrame::begin()
{
    m_countdown->stop();
    m_cancelled = false;
    m_finished = false;
    m_working = true;
    m_code = 0;
    m_remaining = CountdownSeconds;
    m_buttonBase = tr("Cancel");
    m_button->setText(m_buttonBase);
    m_label->clear();
    m_loading->show();
    m_loading->start();
    dropWindow();
    m_token = Preferences().noteToken();
    if (m_token.isEmpty())
        slotCheckVersion(true);
    else
        slotAccessToken(true);
}

void EvernoteProgressFrame::slotCheckVersion(bool ok)
{
    if (m_finished || m_cancelled)
        return;
    if (!ok) {
        showError(tr("Connection error. Please retry."));
        return;
    }
    m_label->setText(tr("Authorize in process..."));
    dropWindow();
    m_window = new EvernoteWindow(window());
    connect(m_window, &QDialog::finished, this, &EvernoteProgressFrame::slotWindowFinished);
    connect(m_window->manager(), &Manager::signalAcessToken, this, &EvernoteProgressFrame::slotAccessToken);
    m_window->open();
}

void EvernoteProgressFrame::slotWindowFinished(int result)
{
    if (m_finished || m_cancelled || !m_window)
        return;
    m_window->hide();
    if (result == EvernoteWindow::Verified) {
        const QString verifier = m_window->verifier();
        if (verifier.isEmpty()) {
            showError(tr("Fail to authorize."));
            return;
        }
        m_label->setText(tr("Getting access token..."));
        m_window->manager()->requestAccessToken(verifier);
    } else if (result == EvernoteWindow::Declined) {
        // The user said no: end quietly.
        m_cancelled = true;
        finish();
    } else {
        showError(tr("Connection error. Please retry."));
    }
}

void EvernoteProgressFrame::slotAccessToken(bool ok)
{
    if (m_finished || m_cancelled)
        return;
    if (!ok) {
        showError(tr("Fail to get access token."));
        return;
    }
    if (m_token.isEmpty()) {
        m_token = m_window ? m_window->manager()->Value(QStringLiteral("token")) : QString();
        if (m_token.isEmpty()) {
            showError(tr("Fail to get access token."));
            return;
        }
        storeToken(m_token);
    }
    runRequest();
}

void EvernoteProgressFrame::runRequest()
{
    if (m_mode == SaveMode) {
        m_title = NoteTitle::fromText(m_text);
        m_evernote->saveNote(m_token, m_title, m_text);
    } else {
        m_evernote->listNotes(m_token, 0, MaxNotes);
    }
}

void EvernoteProgressFrame::slotShowInfo(EvernoteProgress step)
{
    if (m_finished || m_cancelled)
        return;
    switch (step) {
    case GeneratingNoteUrl:
        m_label->setText(tr("Generating note url..."));
        break;
    case CreatingNote:
        m_label->setText(tr("Creating note..."));
        break;
    case FetchingNotes:
        m_label->setText(tr("Fetching notes..."));
        break;
    }
}

void EvernoteProgressFrame::slotFinished(EDAMErrorCode code)
{
    // The façade is shared with the note list, whose note fetches end here too.
    if (m_finished || m_cancelled || !m_working)
        return;
    m_code = code;
    if (code == EDAM::Success) {
        if (m_mode == SaveMode) {
            showOutcome(tr("Successfully saved to Evernote."));
        } else {
            finish();
        }
        return;
    }
    if (code == EDAM::AuthExpired || code == EDAM::BadDataFormat || code == EDAM::PermissionDenied) {
        // Authorisation expired or refused: forget the token and ask again.
        storeToken(QString());
        begin();
        return;
    }
    if (m_mode == SaveMode) {
        if (code == EDAM::TransportFailure)
            showError(tr("Saving to Evernote has failed due to connection error."));
        else if (code == EDAM::QuotaReached)
            showError(tr("Saving to Evernote has failed due to monthly quota has run out for the given account."));
        else if (code == EDAM::LimitReached)
            showError(tr("Saving to Evernote has failed due to excess of the per-note size limit."));
        else
            showError(tr("Saving to Evernote has failed due to unexpected error."));
    } else {
        if (code == EDAM::TransportFailure)
            showError(tr("Open from Evernote has failed due to connection error."));
        else if (code == EDAM::LimitReached)
            showError(tr("Open from Evernote has failed due to excess of the per-note size limit or illegal format."));
        else
            showError(tr("Open from Evernote has failed due to unexpected error."));
    }
}

void EvernoteProgressFrame::showError(const QString &text)
{
    showOutcome(text);
}

void EvernoteProgressFrame::showOutcome(const QString &text)
{
    m_working = false;
    dropWindow();
    m_loading->stop();
    m_loading->hide();
    m_label->setText(text);
    m_buttonBase = tr("Close");
    m_remaining = CountdownSeconds;
    m_button->setText(QStringLiteral("%1    (%2)").arg(m_buttonBase).arg(m_remaining));
    m_countdown->start();
}

void EvernoteProgressFrame::slotCountDown()
{
    --m_remaining;
    if (m_remaining <= 0) {
        m_countdown->stop();
        finish();
        return;
    }
    m_button->setText(QStringLiteral("%1    (%2)").arg(m_buttonBase).arg(m_remaining));
}

void EvernoteProgressFrame::slotClicked()
{
    if (m_finished)
        return;
    if (m_working) {
        m_cancelled = true;
        m_evernote->cancel();
        emit signalCancel();
    } else {
        m_countdown->stop();
    }
    finish();
}

void EvernoteProgressFrame::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_working = false;
    m_countdown->stop();
    m_loading->stop();
    dropWindow();
    emit signalFinished();
}

void EvernoteProgressFrame::dropWindow()
{
    if (EvernoteWindow *w = m_window.data()) {
        m_window.clear();
        w->disconnect(this);
        w->manager()->disconnect(this);
        if (!w->isFinished())
            w->done(EvernoteWindow::Declined);
        w->deleteLater();
    }
}

void EvernoteProgressFrame::storeToken(const QString &token)
{
    Preferences preferences;
    preferences.setNoteToken(token);
    preferences.save();
}
