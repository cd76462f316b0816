// Draws the side panel's pictures into the current folder. Run once by hand:
//   g++ -std=c++17 -fPIC drawpictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/draw
//   QT_QPA_PLATFORM=offscreen /tmp/draw
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace {

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A round help mark with a question mark.
void hint(const QColor &fill, const char *name)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
    p.end();
    image.save(QLatin1String(name));
}

// A warning triangle with an exclamation mark.
void warning(const QColor &fill, const QColor &mark, const char *name)
{
    QImage image = canvas(16, 16);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.moveTo(8, 1);
    path.lineTo(15, 14.5);
    path.lineTo(1, 14.5);
    path.closeSubpath();
    p.setPen(QPen(fill.darker(120), 1));
    p.setBrush(fill);
    p.drawPath(path);
    p.setPen(QPen(mark, 2));
    p.drawLine(QPointF(8, 5.5), QPointF(8, 10));
    p.drawPoint(QPointF(8, 12.5));
    p.end();
    image.save(QLatin1String(name));
}

// A pale rounded note for tips, drawn as a border image (5 px border).
void tip(const QColor &fill, const QColor &edge, bool pointer, const char *name)
{
    QImage image = canvas(40, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(edge, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, pointer ? 4.5 : 0.5, 39, pointer ? 35 : 39), 4, 4);
    if (pointer) {
        QPainterPath arrow;
        arrow.moveTo(6, 5);
        arrow.lineTo(10, 0.5);
        arrow.lineTo(14, 5);
        p.drawPath(arrow);
    }
    p.end();
    image.save(QLatin1String(name));
}

// A small grey attribution badge with a word on it.
void badge(const QString &word, const char *name)
{
    QImage image = canvas(60, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 1));
    p.setBrush(QColor(0xf4, 0xf4, 0xf4));
    p.drawRoundedRect(QRectF(0.5, 0.5, 59, 17), 3, 3);
    p.setPen(QColor(0x70, 0x70, 0x70));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.drawText(QRect(0, 0, 60, 18), Qt::AlignCenter, word);
    p.end();
    image.save(QLatin1String(name));
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    hint(QColor(0xb4, 0xb4, 0xb4), "hint_normal.png");
    hint(QColor(0x19, 0xa0, 0xdc), "hint_hover.png");
    warning(QColor(0xf5, 0xc2, 0x42), QColor(0x66, 0x44, 0x00), "op_normal.png");
    warning(QColor(0xff, 0xe0, 0x8a), QColor(0x80, 0x30, 0x00), "op_hover.png");
    tip(QColor(0xff, 0xfb, 0xe8), QColor(0xe6, 0xc8, 0x78), false, "tip.png");
    tip(QColor(0xff, 0xf8, 0xdc), QColor(0xe6, 0xc8, 0x78), false, "tip_2.png");
    tip(QColor(0xff, 0xfb, 0xe8), QColor(0xe6, 0xc8, 0x78), true, "tip_3.png");
    badge(QStringLiteral("dictionary"), "google_lg.png");
    badge(QStringLiteral("phrases"), "bing_lg.png");
    return 0;
}
