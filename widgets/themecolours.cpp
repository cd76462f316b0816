#include "themecolours.h"

#include <QGuiApplication>
#include <QHash>
#include <QRegularExpression>

namespace ThemeColours {

QColor tone(const QColor &lightColour)
{
    return tone(lightColour, QGuiApplication::palette());
}

QColor tone(const QColor &lightColour, const QPalette &palette)
{
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const int baseLightness = base.toHsl().lightness();
    const int textLightness = text.toHsl().lightness();
    if (baseLightness == 255 && textLightness == 0)
        return lightColour;
    const QColor hsl = lightColour.toHsl();
    const int lightness = baseLightness + (textLightness - baseLightness) * (255 - hsl.lightness()) / 255;
    // A grey keeps the small tint the palette's own colours may have.
    if (hsl.hslSaturation() == 0) {
        const double t = (255 - hsl.lightness()) / 255.0;
        QColor mixed = QColor::fromRgbF(float(base.redF() + (text.redF() - base.redF()) * t),
                                        float(base.greenF() + (text.greenF() - base.greenF()) * t),
                                        float(base.blueF() + (text.blueF() - base.blueF()) * t));
        mixed.setAlpha(lightColour.alpha());
        return mixed;
    }
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), qBound(0, lightness, 255), lightColour.alpha());
}

QString toneName(const char *lightColour)
{
    return toneName(QColor(QString::fromLatin1(lightColour)));
}

QString toneName(const QColor &lightColour)
{
    const QColor colour = tone(lightColour);
    if (colour.alpha() == 255)
        return colour.name(QColor::HexRgb);
    return QStringLiteral("rgba(%1,%2,%3,%4)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue())
        .arg(colour.alpha());
}

namespace {

bool isStandardLight(const QPalette &palette)
{
    return palette.color(QPalette::Active, QPalette::Base).toHsl().lightness() == 255
           && palette.color(QPalette::Active, QPalette::Text).toHsl().lightness() == 0;
}

} // namespace

QString themed(const QString &styleSheet)
{
    return themed(styleSheet, QGuiApplication::palette());
}

QString themed(const QString &styleSheet, const QPalette &palette)
{
    if (isStandardLight(palette))
        return styleSheet;
    static const QRegularExpression declaration(QStringLiteral("([A-Za-z-]+)(\\s*:\\s*)([^;{}]*)"));
    static const QRegularExpression hex(QStringLiteral("#(?:[0-9A-Fa-f]{6}|[0-9A-Fa-f]{3})\\b"));
    QString result;
    qsizetype done = 0;
    auto matches = declaration.globalMatch(styleSheet);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString property = match.captured(1).toLower();
        QString value = match.captured(3);
        const bool text = property == QLatin1String("color");
        qsizetype at = 0;
        QString toned;
        auto colours = hex.globalMatch(value);
        while (colours.hasNext()) {
            const QRegularExpressionMatch colour = colours.next();
            const QColor light(colour.captured(0));
            const QColor hsl = light.toHsl();
            const bool neutral = hsl.hslSaturationF() < 0.15f;
            const bool pale = hsl.lightnessF() > 0.85f;
            const bool tone = text ? neutral && hsl.lightnessF() < 0.75f : neutral || pale;
            toned += value.mid(at, colour.capturedStart(0) - at);
            toned += tone ? ThemeColours::tone(light, palette).name(QColor::HexRgb) : colour.captured(0);
            at = colour.capturedEnd(0);
        }
        toned += value.mid(at);
        result += styleSheet.mid(done, match.capturedStart(3) - done);
        result += toned;
        done = match.capturedEnd(3);
    }
    result += styleSheet.mid(done);
    return result;
}

QImage toned(const QImage &light, const QPalette &palette)
{
    if (isStandardLight(palette) || light.isNull())
        return light;
    QImage out = light.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, QRgb> done; // pictures have few colours
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0)
                continue;
            auto it = done.constFind(pixel);
            if (it == done.cend())
                it = done.insert(pixel, tone(QColor::fromRgba(pixel), palette).rgba());
            line[x] = *it;
        }
    }
    return out;
}

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).toHsl().lightness()
           < palette.color(QPalette::WindowText).toHsl().lightness();
}

} // namespace ThemeColours
