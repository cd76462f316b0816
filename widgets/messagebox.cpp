#include "messagebox.h"

#include "shadowpainter.h"
#include "titlebar.h"
#include "themecolours.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {
// Width of the transparent band that carries the drop shadow.
const int kShadow = 10;
}

MessageBox::MessageBox(const QString &text, const QStringList &buttons, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setModal(true);
    setWindowTitle(QStringLiteral("Quillet"));
    setAttribute(Qt::WA_TranslucentBackground);
    setMinimumWidth(320 + 2 * kShadow);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(kShadow, kShadow, kShadow, kShadow);
    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("messageFrame"));
    m_frame->setStyleSheet(ThemeColours::themed(QStringLiteral("#messageFrame { background: #ffffff; }")));
    outer->addWidget(m_frame);

    auto *column = new QVBoxLayout(m_frame);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    m_titlebar = new Titlebar(m_frame);
    m_titlebar->setMinimizeVisible(false);
    column->addWidget(m_titlebar);
    connect(m_titlebar, &Titlebar::signalClose, this, &QDialog::reject);
    connect(m_titlebar, &Titlebar::signalMove, this, [this](int x, int y) { move(x, y); });

    auto *layout = new QVBoxLayout;
    layout->setContentsMargins(24, 12, 24, 16);
    layout->setSpacing(16);
    column->addLayout(layout);
    m_label = new QLabel(text, m_frame);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::AutoText);
    m_label->setOpenExternalLinks(true);
    m_label->setObjectName(QStringLiteral("messageText"));
    layout->addWidget(m_label);

    // The buttons stand in the platform's order, found from what each does:
    // the first proceeds (or, beside a "Save", discards), "Cancel" goes back
    // and a third one (such as "Save") proceeds after its own work.
    auto *row = new QDialogButtonBox(m_frame);
    const QStringList names = buttons.isEmpty() ? QStringList{tr("OK")} : buttons.mid(0, 3);
    const auto isCancel = [](const QString &name) {
        return name == QLatin1String("Cancel") || name == tr("Cancel");
    };
    bool hasExtra = false;
    for (int i = 1; i < names.size(); ++i)
        hasExtra = hasExtra || !isCancel(names.at(i));
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new QPushButton(names.at(i), m_frame);
        m_buttons.append(button);
        QDialogButtonBox::ButtonRole role = QDialogButtonBox::AcceptRole;
        if (i == 0)
            role = hasExtra ? QDialogButtonBox::DestructiveRole : QDialogButtonBox::AcceptRole;
        else if (isCancel(names.at(i)))
            role = QDialogButtonBox::RejectRole;
        row->addButton(button, role);
        if (i == 0) {
            button->setDefault(true);
            connect(button, &QPushButton::clicked, this, &QDialog::accept);
        } else if (names.at(i) == QLatin1String("Cancel") || names.at(i) == tr("Cancel")) {
            connect(button, &QPushButton::clicked, this, &QDialog::reject);
        } else {
            connect(button, &QPushButton::clicked, this, [this] {
                m_extra = true;
                accept();
            });
        }
    }
    layout->addWidget(row);
}

QString MessageBox::text() const
{
    return m_label->text();
}

void MessageBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    place();
}

void MessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    ShadowPainter::paint(&painter, m_frame->geometry(), kShadow);
}

void MessageBox::place()
{
    // Centred over the parent window, or over the screen when that would
    // put the box outside the screen's available area.
    adjustSize();
    // adjustSize() narrows a box with a long text to fit a small screen after
    // it took the height for the wider box; the text then needs more lines.
    if (layout() && layout()->hasHeightForWidth())
        resize(width(), qMax(height(), layout()->totalHeightForWidth(width())));
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    QRect box(QPoint(), size());
    if (parentWidget()) {
        const QRect owner(parentWidget()->mapToGlobal(QPoint()), parentWidget()->size());
        box.moveCenter(owner.center());
    }
    if (!parentWidget() || (available.isValid() && !available.contains(box)))
        box.moveCenter(available.center());
    move(box.topLeft());
}

int MessageBox::ask(QWidget *parent, const QString &text, const QStringList &buttons, bool *extra)
{
    MessageBox box(text, buttons, parent);
    const int result = box.exec();
    if (extra)
        *extra = box.extraButtonClicked();
    return result;
}

void MessageBox::inform(QWidget *parent, const QString &text)
{
    ask(parent, text, {tr("OK")});
}
