#include "evernotelistframe.h"

#include "evernote.h"
#include "kitresources.h"
#include "noteitemwidget.h"
#include "rotatingpicture.h"
#include "themecolours.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace GammaLib;

EvernoteListFrame::EvernoteListFrame(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("EvernoteListFrame"));
    setFixedSize(720, 480);
    setStyleSheet(ThemeColours::themed(QStringLiteral(
        "#EvernoteListFrame{background:#ffffff;border:1px solid #c8c8c8;border-radius:4px;}"
        "#evernoteListTitle{color:#19A0DC;font-size:12pt;font-weight:bold;}"
        "#notePreviewTitle{font-size:11pt;font-weight:bold;color:#333333;}"
        "#noteLoadError{color:#FA5050;}"
        "QLineEdit{border:1px solid #c8c8c8;border-radius:3px;padding:3px 6px;}"
        "QScrollArea{border:1px solid #e0e0e0;background:#ffffff;}"
        "QPlainTextEdit{border:1px solid #e0e0e0;color:#333333;}"
        "QPushButton{background:#19A0DC;color:#ffffff;border:0;border-radius:3px;padding:5px 16px;min-width:80px;}"
        "QPushButton:disabled{background:#b8dff1;}"
        "QPushButton#evernoteClose{background:#ffffff;color:#333333;border:1px solid #c8c8c8;}")));

    auto *title = new QLabel(tr("Open from Evernote"), this);
    title->setObjectName(QStringLiteral("evernoteListTitle"));
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("evernoteSearch"));
    m_search->setPlaceholderText(tr("Search notes"));
    m_search->setAccessibleName(m_search->placeholderText());
    m_search->setClearButtonEnabled(true);
    m_search->setFixedWidth(240);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("evernoteNoteList"));
    m_scroll->setFixedWidth(280);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listHost = new QWidget;
    m_listHost->setObjectName(QStringLiteral("evernoteListHost"));
    m_listHost->setStyleSheet(ThemeColours::themed(QStringLiteral("#evernoteListHost{background:#ffffff;}")));
    m_listLayout = new QVBoxLayout(m_listHost);
    m_listLayout->setContentsMargins(0, 0, 0, 0);
    m_listLayout->setSpacing(0);
    m_listLayout->addStretch(1);
    m_scroll->setWidget(m_listHost);
    m_scroll->setWidgetResizable(true);

    m_previewTitle = new QLabel(this);
    m_previewTitle->setObjectName(QStringLiteral("notePreviewTitle"));
    m_previewTitle->setTextFormat(Qt::PlainText);
    m_previewTitle->setWordWrap(true);
    m_previewText = new QPlainTextEdit(this);
    m_previewText->setObjectName(QStringLiteral("notePreviewText"));
    m_previewText->setReadOnly(true);
    m_error = new QLabel(tr("Failed to load the requested note. Press \"RELOAD\" and please try again."), this);
    m_error->setObjectName(QStringLiteral("noteLoadError"));
    m_error->setWordWrap(true);
    m_error->hide();
    KitResources::ensureLoaded();
    m_loadingPicture = new RotatingPicture(m_previewText);
    m_loadingPicture->setObjectName(QStringLiteral("noteLoading"));
    m_loadingPicture->setPixmap(QPixmap(KitResources::loadingImage()));
    m_loadingPicture->hide();

    m_open = new QPushButton(tr("Open"), this);
    m_open->setObjectName(QStringLiteral("evernoteOpen"));
    m_open->setEnabled(false);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("evernoteClose"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->setSpacing(10);
    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch(1);
    top->addWidget(m_search);
    layout->addLayout(top);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(m_scroll);
    auto *preview = new QVBoxLayout;
    preview->setSpacing(6);
    preview->addWidget(m_previewTitle);
    preview->addWidget(m_previewText, 1);
    preview->addWidget(m_error);
    middle->addLayout(preview, 1);
    layout->addLayout(middle, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_open);
    bottom->addWidget(m_close);
    layout->addLayout(bottom);

    connect(m_open, &QPushButton::clicked, this, &EvernoteListFrame::slotOpenClicked);
    connect(m_close, &QPushButton::clicked, this, &EvernoteListFrame::slotCloseClicked);
    connect(m_search, &QLineEdit::textChanged, this, &EvernoteListFrame::slotSearchTextChanged);
    connect(m_scroll->verticalScrollBar(), &QScrollBar::rangeChanged, this, &EvernoteListFrame::slotScrollRangeChanged);
}

void EvernoteListFrame::setEvernote(Evernote *evernote)
{
    if (m_evernote)
        disconnect(m_evernote, nullptr, this, nullptr);
    m_evernote = evernote;
    if (m_evernote)
        connect(m_evernote, &Evernote::signalFinished, this, &EvernoteListFrame::slotGetNote);
}

QString EvernoteListFrame::plainTextOf(const QString &enml)
{
    // The XML declaration and document type are no part of the text.
    QString body = enml;
    const qsizetype root = body.indexOf(QLatin1String("<en-note"));
    if (root > 0)
        body = body.mid(root);
    QTextDocument document;
    document.setHtml(body);
    return document.toPlainText();
}

void EvernoteListFrame::setNotes(const NoteList &notes)
{
    m_cancelled = false;
    m_loading = -1;
    m_selected = -1;
    m_search->blockSignals(true);
    m_search->clear();
    m_search->blockSignals(false);
    for (NoteItemWidget *item : std::as_const(m_items))
        delete item;
    m_items.clear();
    m_entries.clear();
    for (const Note &note : notes.notes) {
        const int index = int(m_entries.size());
        m_entries.append({note, QString(), false});
        auto *item = new NoteItemWidget(index, note.title, note.created, m_listHost);
        connect(item, &NoteItemWidget::signalClicked, this, &EvernoteListFrame::slotNoteSelected);
        m_listLayout->insertWidget(index, item);
        m_items.append(item);
    }
    fitItems();
    clearPreview();
    if (!m_items.isEmpty())
        slotNoteSelected(0);
}

QString EvernoteListFrame::noteText(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).text : QString();
}

bool EvernoteListFrame::isLoaded(int index) const
{
    return index >= 0 && index < m_entries.size() && m_entries.at(index).loaded;
}

QString EvernoteListFrame::previewText() const
{
    return m_previewText->toPlainText();
}

bool EvernoteListFrame::loadingShown() const
{
    return m_loadingPicture->isVisible();
}

void EvernoteListFrame::clearPreview()
{
    m_previewTitle->clear();
    m_previewText->clear();
    m_open->setText(tr("Open"));
    m_open->setEnabled(false);
    m_error->hide();
    showLoading(false);
}

void EvernoteListFrame::slotNoteSelected(int index)
{
    if (index < 0 || index >= m_entries.size())
        return;
    m_selected = index;
    for (NoteItemWidget *item : std::as_const(m_items))
        item->setSelected(item->index() == index);
    clearPreview();
    m_previewTitle->setText(m_entries.at(index).note.title);
    if (m_entries.at(index).loaded) {
        m_previewText->setPlainText(m_entries.at(index).text);
        m_open->setEnabled(true);
        return;
    }
    showLoading(true);
    request(index);
}

void EvernoteListFrame::request(int index)
{
    if (!m_evernote)
        return;
    m_loading = index;
    m_evernote->getNote(m_entries.at(index).note.guid);
}

void EvernoteListFrame::slotGetNote(EDAMErrorCode code)
{
    // Only answers to this list's own fetches count.
    if (m_loading < 0 || !m_evernote || m_evernote->finishedRequest() != Evernote::GetNote)
        return;
    const int index = m_loading;
    m_loading = -1;
    if (code == EDAM::Success) {
        const QString text = plainTextOf(m_evernote->note().content);
        m_entries[index].text = text;
        m_entries[index].loaded = true;
        m_items.at(index)->setText(text);
        fitItems();
        if (index == m_selected) {
            m_previewText->setPlainText(text);
            m_open->setText(tr("Open"));
            m_open->setEnabled(true);
            showLoading(false);
        }
        // A search already typed also looks at the texts that arrive.
        if (!m_search->text().isEmpty())
            slotSearchTextChanged(m_search->text());
        if (!m_cancelled)
            fetchNext(index);
        return;
    }
    if (index == m_selected) {
        showLoading(false);
        m_open->setText(tr("Reload"));
        m_open->setEnabled(true);
        m_error->show();
    }
}

void EvernoteListFrame::fetchNext(int after)
{
    // The following note first, else the first one still without its text.
    if (after + 1 < m_entries.size() && !m_entries.at(after + 1).loaded) {
        request(after + 1);
        return;
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        if (!m_entries.at(i).loaded && i != after) {
            // A note that failed to load waits for its "Reload".
            if (i == m_selected && m_open->text() == tr("Reload"))
                continue;
            request(i);
            return;
        }
    }
}

void EvernoteListFrame::slotOpenClicked()
{
    if (m_selected < 0)
        return;
    if (m_open->text() == tr("Reload")) {
        slotNoteSelected(m_selected);
        return;
    }
    if (!m_entries.at(m_selected).loaded)
        return;
    finish(m_entries.at(m_selected).text);
}

void EvernoteListFrame::slotCloseClicked()
{
    finish(QString());
}

void EvernoteListFrame::finish(const QString &text)
{
    m_cancelled = true;
    if (m_loading >= 0 && m_evernote)
        m_evernote->cancel();
    m_loading = -1;
    showLoading(false);
    emit signalFinished(text);
}

void EvernoteListFrame::slotSearchTextChanged(const QString &text)
{
    int visible = 0;
    for (int i = 0; i < m_items.size(); ++i) {
        const bool shown = text.isEmpty() || m_entries.at(i).note.title.contains(text, Qt::CaseInsensitive)
                           || (m_entries.at(i).loaded && m_entries.at(i).text.contains(text, Qt::CaseInsensitive));
        m_items.at(i)->setVisible(shown);
        if (shown)
            ++visible;
    }
    if (m_selected >= 0 && m_items.at(m_selected)->isHidden()) {
        m_items.at(m_selected)->setSelected(false);
        m_selected = -1;
    }
    // With the selection gone (or nothing left to show) the preview is empty.
    if (visible == 0 || m_selected < 0)
        clearPreview();
    fitItems();
}

void EvernoteListFrame::slotScrollRangeChanged(int min, int max)
{
    Q_UNUSED(min);
    Q_UNUSED(max);
    fitItems();
}

void EvernoteListFrame::fitItems()
{
    // The entries take the list's whole width, less the scroll bar when it shows.
    const QScrollBar *bar = m_scroll->verticalScrollBar();
    const bool barShown = bar->maximum() > bar->minimum();
    const int width = qMax(40, m_scroll->width() - 2 * m_scroll->frameWidth() - (barShown ? bar->sizeHint().width() : 0));
    for (NoteItemWidget *item : std::as_const(m_items))
        item->setFixedWidth(width);
}

void EvernoteListFrame::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    fitItems();
}

void EvernoteListFrame::showLoading(bool shown)
{
    m_loadingPicture->setVisible(shown);
    if (shown) {
        m_loadingPicture->resize(m_loadingPicture->sizeHint());
        const QRect area = m_previewText->rect();
        m_loadingPicture->move(area.center() - QPoint(m_loadingPicture->width() / 2, m_loadingPicture->height() / 2));
        m_loadingPicture->raise();
        m_loadingPicture->start();
    } else {
        m_loadingPicture->stop();
    }
}
