#include "evernotecover.h"

#include "evernote.h"
#include "evernotelistframe.h"
#include "evernoteprogressframe.h"

#include <QGridLayout>

EvernoteCover::EvernoteCover(QWidget *parent)
    : Overlay(parent)
{
    setObjectName(QStringLiteral("evernoteCover"));
    setCoveredWidget(parent);
    setDimColor(QColor(40, 40, 40, 120));
    auto *layout = new QGridLayout(this);
    m_progress = new EvernoteProgressFrame(this);
    m_list = new EvernoteListFrame(this);
    m_list->setEvernote(m_progress->evernote());
    layout->addWidget(m_progress, 0, 0, Qt::AlignCenter);
    layout->addWidget(m_list, 0, 0, Qt::AlignCenter);
    m_progress->hide();
    m_list->hide();
    hide();
}

void EvernoteCover::start(int mode, const QString &text)
{
    m_list->hide();
    m_progress->show();
    follow();
    show();
    raise();
    m_progress->start(EvernoteProgressFrame::Mode(mode), text);
}

bool EvernoteCover::progressFinished()
{
    m_progress->hide();
    if (m_progress->listingReady()) {
        // The listing goes on in the note list; the window stays locked.
        m_list->setNotes(m_progress->evernote()->notes());
        m_list->show();
        m_list->raise();
        return false;
    }
    hide();
    return true;
}

void EvernoteCover::listFinished()
{
    m_list->hide();
    m_progress->hide();
    hide();
}
