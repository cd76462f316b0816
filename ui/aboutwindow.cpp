#include "aboutwindow.h"

#include "clientidentity.h"
#include "eventlog.h"
#include "serviceaddresses.h"
#include "titlebar.h"
#include "usageevents.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About Quillet"));
    setMinimumWidth(380);

    // A plain border rather than a translucent shadow, so the window looks
    // the same with or without a compositing window manager.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("aboutFrame"));
    m_frame->setStyleSheet(QStringLiteral(
        "#aboutFrame{background:#ffffff;border:1px solid #c8c8c8;}"
        "QLabel{color:#555555;font:10pt \"Arial, Sans-serif\";}"
        "QLabel#aboutName{color:#333333;font:bold 16pt \"Arial, Sans-serif\";}"
        "QLabel#contactLink{font:10pt \"Arial, Sans-serif\";}"));
    outer->addWidget(m_frame);

    auto *column = new QVBoxLayout(m_frame);
    column->setContentsMargins(1, 1, 1, 1);
    column->setSpacing(0);
    m_titlebar = new Titlebar(m_frame);
    m_titlebar->setTitle(tr("About Quillet"));
    m_titlebar->setMinimizeVisible(false);
    column->addWidget(m_titlebar);
    connect(m_titlebar, &Titlebar::signalClose, this, &QDialog::reject);
    connect(m_titlebar, &Titlebar::signalMove, this, [this](int x, int y) { move(x, y); });

    auto *body = new QHBoxLayout;
    body->setContentsMargins(24, 16, 24, 8);
    body->setSpacing(18);
    auto *icon = new QLabel(m_frame);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const QIcon programIcon = parent ? parent->window()->windowIcon() : QApplication::windowIcon();
    icon->setPixmap(programIcon.pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    body->addWidget(icon);

    auto *texts = new QVBoxLayout;
    texts->setSpacing(6);
    auto *name = new QLabel(QStringLiteral("Quillet"), m_frame);
    name->setObjectName(QStringLiteral("aboutName"));
    m_version = new QLabel(tr("Version %1").arg(GammaLib::clientVersion()), m_frame);
    m_version->setObjectName(QStringLiteral("aboutVersion"));
    auto *what = new QLabel(tr("A writing assistant for English."), m_frame);
    what->setWordWrap(true);
    auto *question = new QLabel(tr("Questions, ideas or trouble with a review? We would like to hear from you."),
                                m_frame);
    question->setWordWrap(true);
    m_contact = new QLabel(m_frame);
    m_contact->setObjectName(QStringLiteral("contactLink"));
    m_contact->setTextFormat(Qt::RichText);
    m_contact->setText(QStringLiteral("<a style='color:#1872d9;' href='%1'>%2</a>")
                           .arg(contactAddress().toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                tr("Contact us").toHtmlEscaped()));
    m_contact->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_contact->setCursor(Qt::PointingHandCursor);
    m_contact->setOpenExternalLinks(false);
    connect(m_contact, &QLabel::linkActivated, this, &AboutWindow::slotContact);
    for (QWidget *widget : std::initializer_list<QWidget *>{name, m_version, what, question, m_contact})
        texts->addWidget(widget);
    body->addLayout(texts, 1);
    column->addLayout(body);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(24, 8, 24, 16);
    buttons->addStretch(1);
    m_ok = new QPushButton(tr("OK"), m_frame);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(m_ok);
    column->addLayout(buttons);
}

AboutWindow *AboutWindow::showFor(QWidget *owner)
{
    AboutWindow *about = owner ? owner->findChild<AboutWindow *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
    if (!about) {
        about = new AboutWindow(owner);
        about->setAttribute(Qt::WA_DeleteOnClose);
    }
    about->open();
    about->raise();
    about->activateWindow();
    return about;
}

QUrl AboutWindow::contactAddress()
{
    using GammaLib::ServiceAddresses;
    return QUrl(ServiceAddresses::instance().url(ServiceAddresses::Web, QStringLiteral("/About/Contact")));
}

void AboutWindow::slotContact()
{
    EventLog::log(QLatin1String(GammaLib::UsageEvent::MainContact));
    QDesktopServices::openUrl(contactAddress());
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    place();
}

void AboutWindow::place()
{
    // Centred over the owner, or over the screen when that would leave the
    // screen's available area.
    adjustSize();
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QRect box(QPoint(), size());
    if (parentWidget()) {
        const QWidget *owner = parentWidget()->window();
        box.moveCenter(QRect(owner->mapToGlobal(QPoint()), owner->size()).center());
    }
    if (!parentWidget() || (available.isValid() && !available.contains(box)))
        box.moveCenter(available.center());
    move(box.topLeft());
}
