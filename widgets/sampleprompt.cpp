#include "sampleprompt.h"

#include <QEnterEvent>
#include <QPainter>
#include <QTextLayout>

namespace {
const int kPreviewLines = 2;
const int kWidth = 420;
}

SamplePrompt::SamplePrompt(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QStringLiteral("SamplePrompt"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_caption = tr("Not sure what to write? Click here to try a sample text.");
    setAccessibleName(m_caption);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (hasSample())
            emit signalAccepted(m_sample);
    });
    hide();
}

void SamplePrompt::setCaption(const QString &caption)
{
    m_caption = caption;
    updateGeometry();
    adjustSize();
    update();
}

void SamplePrompt::setSampleText(const QString &text)
{
    m_sample = text;
    updateGeometry();
    adjustSize();
    update();
    if (!hasSample())
        hide();
}

QString SamplePrompt::previewText() const
{
    QString preview = m_sample.simplified();
    if (preview.size() > maxPreviewChars())
        preview = preview.left(maxPreviewChars()).trimmed() + QStringLiteral("...");
    return preview;
}

QSize SamplePrompt::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int lines = hasSample() ? 1 + kPreviewLines : 1;
    return QSize(kWidth, metrics.lineSpacing() * lines + 12);
}

void SamplePrompt::nextCheckState()
{
    // Not a toggle.
}

void SamplePrompt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect area = contentsRect().adjusted(2, 4, -2, -4);

    QFont captionFont = font();
    captionFont.setUnderline(m_hovered || hasFocus());
    painter.setFont(captionFont);
    painter.setPen(isEnabled() ? QColor(0x2b, 0x8a, 0x5e) : QColor(0xaa, 0xaa, 0xaa));
    const QFontMetrics captionMetrics(captionFont);
    painter.drawText(QRect(area.left(), area.top(), area.width(), captionMetrics.lineSpacing()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     captionMetrics.elidedText(m_caption, Qt::ElideRight, area.width()));

    if (!hasSample())
        return;
    QFont previewFont = font();
    previewFont.setItalic(true);
    painter.setFont(previewFont);
    painter.setPen(QColor(0x99, 0x99, 0x99));
    const QFontMetrics metrics(previewFont);

    // Wrap the preview into at most two lines; the last one is elided.
    const QString preview = previewText();
    QTextLayout layout(preview, previewFont);
    layout.beginLayout();
    int y = area.top() + captionMetrics.lineSpacing();
    for (int i = 0; i < kPreviewLines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(area.width());
        QString text = preview.mid(line.textStart(), line.textLength());
        if (i == kPreviewLines - 1)
            text = metrics.elidedText(preview.mid(line.textStart()), Qt::ElideRight, area.width());
        painter.drawText(QRect(area.left(), y, area.width(), metrics.lineSpacing()),
                         Qt::AlignLeft | Qt::AlignVCenter, text.trimmed());
        y += metrics.lineSpacing();
    }
    layout.endLayout();
}

void SamplePrompt::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void SamplePrompt::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
