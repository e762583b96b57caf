// SPDX-FileCopyrightText: 2026 The Ohmara developers
// SPDX-License-Identifier: MIT

// Draws every bitmap the screens show; the build runs it and embeds what it writes.
// Usage: ohmara_artgen OUTPUT_DIR

#include "app/version.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QFont boldFont(int pixelSize)
{
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    f.setPixelSize(pixelSize);
    f.setWeight(QFont::Bold);
    return f;
}

bool save(const QImage &image, const QString &dir, const QString &name)
{
    const QString path = dir + QLatin1Char('/') + name;
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// The rounded end of a resistor body in three colours (white, body, black), open towards
// the body and with a wavy lead leaving it at mid-height. The body's edges sit 8 pixels below
// the top and 9 above the bottom, where the screens' body labels continue it.
QImage resistorEnd(int width, QColor body, bool rightEnd, int scale)
{
    const int height = 98;
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, false);

    const int top = 8;
    const int bottom = 89;
    const int capStart = 18; // where the lead meets the cap
    const int mid = (top + bottom) / 2;

    // Draw the left end; the right end is its mirror image.
    QPainterPath cap;
    cap.moveTo(width + 2, top);
    cap.lineTo(capStart + 22, top);
    cap.cubicTo(capStart + 6, top - 4, capStart, top + 6, capStart, mid);
    cap.cubicTo(capStart, bottom - 6, capStart + 6, bottom + 4, capStart + 22, bottom);
    cap.lineTo(width + 2, bottom);

    if (rightEnd) {
        p.translate(width, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kBlack, 1));
    p.setBrush(body);
    p.drawPath(cap);

    QPainterPath lead;
    lead.moveTo(0, mid);
    for (int x = 0; x <= capStart; ++x)
        lead.lineTo(x, mid + 3.0 * std::sin(x * 0.7));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlack, 2));
    p.drawPath(lead);
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

struct Band
{
    QColor colour;
    double x;
    double width;
};

// A shaded cylinder: light from above, as on a photograph taken under a desk lamp.
QLinearGradient cylinderShade(double top, double bottom, QColor base)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, base.darker(135));
    g.setColorAt(0.22, base.lighter(125));
    g.setColorAt(0.35, base.lighter(112));
    g.setColorAt(0.75, base.darker(112));
    g.setColorAt(1.0, base.darker(170));
    return g;
}

QPainterPath dogBone(double left, double right, double top, double bottom, double waist)
{
    // The ends of a carbon film resistor bulge where the caps are pressed on.
    const double h = bottom - top;
    const double capLen = h * 0.75;
    QPainterPath path;
    path.moveTo(left + capLen * 0.45, top);
    path.cubicTo(left + capLen * 0.8, top, left + capLen, top + waist, left + capLen * 1.2,
                 top + waist);
    path.lineTo(right - capLen * 1.2, top + waist);
    path.cubicTo(right - capLen, top + waist, right - capLen * 0.8, top, right - capLen * 0.45,
                 top);
    path.cubicTo(right - capLen * 0.05, top, right, top + h * 0.2, right, top + h / 2);
    path.cubicTo(right, bottom - h * 0.2, right - capLen * 0.05, bottom, right - capLen * 0.45,
                 bottom);
    path.cubicTo(right - capLen * 0.8, bottom, right - capLen, bottom - waist, right - capLen * 1.2,
                 bottom - waist);
    path.lineTo(left + capLen * 1.2, bottom - waist);
    path.cubicTo(left + capLen, bottom - waist, left + capLen * 0.8, bottom, left + capLen * 0.45,
                 bottom);
    path.cubicTo(left + capLen * 0.05, bottom, left, bottom - h * 0.2, left, top + h / 2);
    path.cubicTo(left, top + h * 0.2, left + capLen * 0.05, top, left + capLen * 0.45, top);
    path.closeSubpath();
    return path;
}

void paintResistor(QPainter &p, const QRectF &body, const std::vector<Band> &bands, double leadLeft,
                   double leadRight, double leadThickness)
{
    const double cy = body.center().y();
    const QColor wire(168, 170, 172);
    // leads
    p.setPen(Qt::NoPen);
    p.setBrush(cylinderShade(cy - leadThickness / 2, cy + leadThickness / 2, wire));
    p.drawRect(QRectF(leadLeft, cy - leadThickness / 2, leadRight - leadLeft, leadThickness));

    const QPainterPath shape
            = dogBone(body.left(), body.right(), body.top(), body.bottom(), body.height() * 0.1);
    const QColor beige(226, 203, 160);
    p.setBrush(cylinderShade(body.top(), body.bottom(), beige));
    p.drawPath(shape);

    p.save();
    p.setClipPath(shape);
    for (const Band &band : bands) {
        p.setBrush(cylinderShade(body.top(), body.bottom(), band.colour));
        p.drawRect(QRectF(band.x, body.top(), band.width, body.height()));
    }
    p.restore();
}

QImage splashPhotograph(int scale)
{
    const int w = 371;
    const int h = 82;
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient desk(0, 0, 0, h);
    desk.setColorAt(0, QColor(236, 235, 231));
    desk.setColorAt(1, QColor(214, 212, 206));
    p.fillRect(image.rect(), desk);

    // soft shadow on the desk below the body
    QRadialGradient shadow(QPointF(w / 2.0 + 4, 66), 150);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.save();
    p.translate(0, 66);
    p.scale(1, 0.06);
    p.translate(0, -66);
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(w / 2.0 + 4, 66), 150, 150);
    p.restore();

    const QRectF body(100, 28, 171, 40);
    const std::vector<Band> bands{{QColor(120, 62, 34), 128, 10},
                                  {QColor(28, 26, 26), 152, 10},
                                  {QColor(200, 30, 28), 176, 10},
                                  {QColor(196, 160, 62), 234, 9}};
    paintResistor(p, body, bands, 0, w, 4);

    // a little grain, as a photograph has
    QRandomGenerator grain(31);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(grain.bounded(7)) - 3;
            const QRgb c = line[x];
            line[x] = qRgb(qBound(0, qRed(c) + n, 255), qBound(0, qGreen(c) + n, 255),
                           qBound(0, qBlue(c) + n, 255));
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

// The version in red above a small banded resistor: the logo and, smaller, the menu's icon.
QImage logo(int w, int h, int scale = 1)
{
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QColor(220, 0, 0));
    p.setFont(boldFont(int(h * 0.42)));
    p.drawText(QRectF(0, 0, w, h * 0.55), Qt::AlignCenter, QStringLiteral(OHMARA_VERSION));

    const double bodyTop = h * 0.62;
    const double bodyHeight = h * 0.22;
    const QRectF body(w * 0.2, bodyTop, w * 0.6, bodyHeight);
    const double bw = w * 0.06;
    const std::vector<Band> bands{{QColor(128, 64, 64), w * 0.3, bw},
                                  {kBlack, w * 0.4, bw},
                                  {QColor(255, 0, 0), w * 0.5, bw},
                                  {QColor(192, 192, 1), w * 0.66, bw}};
    paintResistor(p, body, bands, 0, w, std::max(1.5, h * 0.03));
    p.end();
    return image;
}

// The chart's examples: 16-colour bitmaps in the standard palette.
QImage chartExample(bool fiveBand, int scale)
{
    const QColor body = fiveBand ? QColor(0, 0, 128) : QColor(255, 255, 0);
    const QColor brown(128, 0, 0);
    const QColor gold(128, 128, 0);
    const QColor lead(192, 192, 192);
    QImage image(163, 58, QImage::Format_RGB32);
    image.fill(kWhite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);

    const int top = 17;
    const int bottom = 41;
    p.fillRect(QRect(0, 28, 163, 3), lead);
    p.setPen(kBlack);
    p.setBrush(body);
    p.drawRoundedRect(QRect(30, top, 108, bottom - top), 8, 8);

    struct Mark
    {
        int x;
        QColor colour;
    };
    const std::vector<Mark> marks = fiveBand
            ? std::vector<Mark>{{46, brown}, {63, kBlack}, {80, kBlack}, {97, brown}, {115, brown}}
            : std::vector<Mark>{{46, brown}, {70, kBlack}, {94, QColor(255, 0, 0)}, {118, gold}};
    for (const Mark &m : marks) {
        p.fillRect(QRect(m.x - 3, top + 1, 7, bottom - top - 1), m.colour);
        // tick marks where the chart's lines meet the picture
        const int tickTop = fiveBand ? 0 : 50;
        p.fillRect(QRect(m.x, tickTop, 1, 8), kBlack);
    }
    p.end();

    QList<QRgb> palette;
    for (const QColor &c :
         {QColor(0, 0, 0), QColor(128, 0, 0), QColor(0, 128, 0), QColor(128, 128, 0),
          QColor(0, 0, 128), QColor(128, 0, 128), QColor(0, 128, 128), QColor(192, 192, 192),
          QColor(128, 128, 128), QColor(255, 0, 0), QColor(0, 255, 0), QColor(255, 255, 0),
          QColor(0, 0, 255), QColor(255, 0, 255), QColor(0, 255, 255), QColor(255, 255, 255)})
        palette.append(c.rgb());
    // Pixel art: twice the size is every pixel doubled, still in the same 16 colours.
    return image.scaled(image.size() * scale)
            .convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: ohmara_artgen OUTPUT_DIR\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);

    const QColor fourBandBody(255, 255, 191);
    const QColor fiveBandBody(128, 128, 255);
    bool ok = true;
    for (int scale : {1, 2}) {
        // name@2x.png is what Qt picks on a screen of twice the density
        const char *suffix = scale == 1 ? "" : "@2x";
        auto name = [suffix](const char *base) {
            return QStringLiteral("%1%2.png").arg(QLatin1String(base), QLatin1String(suffix));
        };
        ok &= save(resistorEnd(66, fourBandBody, false, scale), dir, name("end4-left"));
        ok &= save(resistorEnd(64, fourBandBody, true, scale), dir, name("end4-right"));
        ok &= save(resistorEnd(66, fiveBandBody, false, scale), dir, name("end5-left"));
        ok &= save(resistorEnd(64, fiveBandBody, true, scale), dir, name("end5-right"));
    }
    for (int scale : {1, 2}) {
        const QLatin1String suffix(scale == 1 ? "" : "@2x");
        auto name = [suffix](const char *base, const char *format = "png") {
            return QStringLiteral("%1%2.%3").arg(QLatin1String(base), suffix,
                                                 QLatin1String(format));
        };
        // The splash comes up first: plain 24-bit bitmaps decode at once.
        ok &= save(splashPhotograph(scale), dir, name("splash-resistor", "bmp"));
        ok &= save(logo(108, 114, scale).convertToFormat(QImage::Format_RGB888), dir,
                   name("splash-logo", "bmp"));
        ok &= save(chartExample(false, scale), dir, name("chart-four"));
        ok &= save(chartExample(true, scale), dir, name("chart-five"));
    }
    ok &= save(logo(32, 32).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither), dir,
               QStringLiteral("menu-icon.png"));
    for (int size : {48, 64, 128, 256})
        ok &= save(logo(size, size), dir, QStringLiteral("icon-%1.png").arg(size));
    return ok ? 0 : 1;
}
