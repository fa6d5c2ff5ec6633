// Draws the program's images: the banner, the window buttons, the footer strip, the thermistor picture
// and the icon. They are built from this source at build time, so the artwork is reproducible and
// reviewable like code. Only shapes and gradients, no text (the banner title is drawn by the program).
// The program draws its images from raw premultiplied pixels (see images.h): decoding the PNGs took
// longer than everything else the first paint does. The icon is also written for the desktop, as PNGs of
// the icon theme's sizes and as SVG.
// Usage: tmcalc_artwork OUTPUT_FOLDER
#include "resources/ui/artwork/images.h"

#include <QFile>
#include <QGuiApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

#include <cstdio>

namespace {

const QColor kDeepBlue(11, 75, 136);
const QColor kColumnBlue(51, 102, 153);
const QColor kAccentRed(238, 138, 138);
const QColor kMercuryRed(214, 48, 49);

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A liquid-in-glass thermometer standing in the given rectangle.
void DrawThermometer(QPainter& p, const QRectF& r, const QColor& glass, const QColor& liquid, double level)
{
    const double stemW = r.width() * 0.34;
    const double bulbD = r.width();
    const QRectF bulb(r.left(), r.bottom() - bulbD, bulbD, bulbD);
    const QRectF stem(r.center().x() - stemW / 2, r.top(), stemW, r.height() - bulbD * 0.6);
    QPainterPath outline;
    outline.addRoundedRect(stem, stemW / 2, stemW / 2);
    outline.addEllipse(bulb);
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(outline.simplified());
    const double inner = stemW * 0.45;
    const double top = stem.top() + (stem.height() - inner) * (1.0 - level);
    p.setBrush(liquid);
    p.drawRoundedRect(QRectF(r.center().x() - inner / 2, top, inner, stem.bottom() - top + inner), inner / 2,
                      inner / 2);
    p.drawEllipse(bulb.adjusted(bulbD * 0.18, bulbD * 0.18, -bulbD * 0.18, -bulbD * 0.18));
    p.setPen(QPen(liquid.darker(150), std::max(1.0, r.width() * 0.04)));
    for (int i = 1; i <= 5; ++i) {
        const double y = stem.top() + stem.height() * i / 7.0;
        p.drawLine(QPointF(stem.right() + stemW * 0.2, y), QPointF(stem.right() + stemW * (i % 2 ? 0.9 : 0.6), y));
    }
}

QImage Banner()  // 12: 1300 x 120, behind the title
{
    QImage image = Canvas(1300, 120);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 1300, 120);
    g.setColorAt(0, kDeepBlue);
    g.setColorAt(1, kColumnBlue);
    p.fillRect(image.rect(), g);
    // a faint isotherm pattern
    p.setPen(QPen(QColor(255, 255, 255, 28), 2));
    for (int k = 0; k < 6; ++k) {
        QPainterPath wave;
        wave.moveTo(300, 20 + k * 18);
        for (int x = 300; x <= 1300; x += 100)
            wave.quadTo(x + 50, 8 + k * 18 + (x / 100 % 2 ? 14 : -6), x + 100, 20 + k * 18);
        p.drawPath(wave);
    }
    DrawThermometer(p, QRectF(60, 14, 34, 92), QColor(255, 255, 255, 235), kMercuryRed, 0.7);
    p.setPen(QPen(QColor(255, 255, 255, 120), 3));
    p.drawLine(QPointF(120, 22), QPointF(120, 98));
    return image;
}

QImage WindowButtons()  // 11: 56 x 19, minimise on the left, close on the right
{
    QImage image = Canvas(56, 19);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRect(0, 0, 28, 19), QColor(255, 255, 255, 40));
    p.fillRect(QRect(28, 0, 28, 19), QColor(232, 17, 35));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(9, 10.5), QPointF(19, 10.5));
    p.drawLine(QPointF(37.5, 5), QPointF(46.5, 14));
    p.drawLine(QPointF(46.5, 5), QPointF(37.5, 14));
    return image;
}

QImage Footer(bool alternate)  // 14 (and 13): 1097 x 151, a strip of instruments under the pages
{
    QImage image = Canvas(1097, 151);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 151);
    g.setColorAt(0, QColor(234, 238, 247, 0));
    g.setColorAt(0.35, QColor(214, 224, 240));
    g.setColorAt(1, alternate ? QColor(190, 205, 230) : QColor(200, 214, 236));
    p.fillRect(image.rect(), g);
    p.fillRect(QRect(0, 147, 1097, 4), kColumnBlue);
    // thermocouple probes: a sheath with a head
    for (int i = 0; i < 3; ++i) {
        const double x = 90 + i * 70;
        p.setBrush(QColor(120, 130, 145));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(x - 4, 60 + i * 6, 8, 80 - i * 6), 3, 3);
        p.setBrush(kDeepBlue);
        p.drawRoundedRect(QRectF(x - 16, 44 + i * 6, 32, 22), 5, 5);
    }
    // a resistance thermometer on a cable
    p.setPen(QPen(QColor(60, 60, 60), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(380, 110);
    cable.cubicTo(430, 40, 520, 140, 590, 80);
    p.drawPath(cable);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 175, 185));
    p.drawRoundedRect(QRectF(585, 70, 110, 18), 9, 9);
    // a reference thermometer and a calibrator block
    DrawThermometer(p, QRectF(760, 30, 30, 112), QColor(255, 255, 255, 230), kMercuryRed, 0.55);
    p.setBrush(QColor(250, 250, 252));
    p.setPen(QPen(kColumnBlue, 2));
    p.drawRoundedRect(QRectF(850, 52, 180, 88), 10, 10);
    p.setBrush(kDeepBlue);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(866, 64, 92, 34), 4, 4);
    p.setBrush(kAccentRed);
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(980 + i * 14, 82), 5, 5);
    return image;
}

QImage Thermistor()  // 15: 500 x 297, the picture of the thermistor page
{
    QImage image = Canvas(500, 297);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(), QColor(246, 248, 252));
    p.setPen(QPen(QColor(150, 150, 155), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(230, 150), QPointF(120, 270));
    p.drawLine(QPointF(270, 150), QPointF(380, 270));
    QRadialGradient bead(QPointF(240, 110), 90);
    bead.setColorAt(0, QColor(80, 80, 90));
    bead.setColorAt(1, QColor(20, 20, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(bead);
    p.drawEllipse(QPointF(250, 120), 62, 70);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawEllipse(QPointF(228, 92), 16, 12);
    return image;
}

QImage Strip()  // 16: 526 x 113, not shown
{
    QImage image = Canvas(526, 113);
    QPainter p(&image);
    QLinearGradient g(0, 0, 526, 0);
    g.setColorAt(0, kDeepBlue);
    g.setColorAt(1, kAccentRed);
    p.fillRect(image.rect(), g);
    return image;
}

// The icon is drawn on a 256 x 256 design square, whatever the device: the window icon, every size of the
// desktop's icon theme and its scalable (SVG) form come from these same shapes.
constexpr int kIconDesign = 256;

void PaintIcon(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 256, 256);
    g.setColorAt(0, kColumnBlue);
    g.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);
    DrawThermometer(p, QRectF(100, 30, 64, 196), QColor(255, 255, 255, 240), kMercuryRed, 0.65);
}

QImage Icon(int size = kIconDesign)  // 5: the window and desktop icon
{
    QImage image = Canvas(size, size);
    QPainter p(&image);
    p.scale(static_cast<double>(size) / kIconDesign, static_cast<double>(size) / kIconDesign);
    PaintIcon(p);
    return image;
}

// The desktop's copies under `folder`: hicolor/NxN/apps/tmcalc.png for the icon theme's usual sizes and
// hicolor/scalable/apps/tmcalc.svg.
bool WriteDesktopIcons(const QDir& folder)
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("hicolor/%1x%1/apps").arg(size);
        if (!folder.mkpath(dir) || !Icon(size).save(folder.filePath(dir + QStringLiteral("/tmcalc.png"))))
            return false;
    }
    const QString dir = QStringLiteral("hicolor/scalable/apps");
    if (!folder.mkpath(dir)) return false;
    QSvgGenerator svg;
    svg.setFileName(folder.filePath(dir + QStringLiteral("/tmcalc.svg")));
    svg.setSize(QSize(kIconDesign, kIconDesign));
    svg.setViewBox(QRect(0, 0, kIconDesign, kIconDesign));
    svg.setTitle(QStringLiteral("tmcalc"));
    svg.setDescription(QStringLiteral("A liquid-in-glass thermometer on a blue tile"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    // No text is drawn, but every group carries the painter's font, and without an application its size
    // is -1, which SVG readers complain about.
    QFont font = p.font();
    font.setPixelSize(16);
    p.setFont(font);
    PaintIcon(p);
    return p.end();
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tmcalc_artwork OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("."))) return 1;
    const struct {
        const char* name;
        QImage image;
    } images[] = {{"11", WindowButtons()}, {"12", Banner()},        {"13", Footer(true)},
                  {"14", Footer(false)},   {"15", Thermistor()},    {"16", Strip()},
                  {"icon5", Icon()}};
    for (const auto& [name, image] : images) {
        const QString path = out.filePath(QString::fromLatin1(name));
        QFile raw(path + QStringLiteral(".argb"));
        const QByteArray bytes = tmcalc::RawArtworkBytes(image);
        if (!image.save(path + QStringLiteral(".png")) || !raw.open(QIODevice::WriteOnly) ||
            raw.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "tmcalc_artwork: cannot write %s\n", name);
            return 1;
        }
    }
    if (!WriteDesktopIcons(out)) {
        std::fprintf(stderr, "tmcalc_artwork: cannot write the desktop icons\n");
        return 1;
    }
    return 0;
}
