// Draws the pictures the game windows load from Config/: a ball and a brick
// for each of the six colour words, the runner facing right and left and
// the centre marker. Run by the build:
//
//   make-game-pictures OUTPUT_DIR
//
// Every picture but the bricks is drawn transparent the way the windows
// read it: the colour of the bottom-left pixel (Key below) is see-through.
// Shapes are drawn large with soft edges, then their edges are made hard
// against Key, so no fringe of the key colour shows; the windows scale
// them down smoothly.

#include "Define.h"
#include "clock/ClockGame.h"
#include "frame/Pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

namespace {

// No shading of the six colours towards white or black gives this value:
// it would need blue without red on the way to white.
const QColor Key(0, 128, 128);

QColor fromTColor(TColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

// Pixels at least half covered become opaque, the others Key; an opaque
// pixel that happens to equal Key is moved off it by one step of blue.
QImage flattenOnKey(const QImage& drawn)
{
    QImage out(drawn.size(), QImage::Format_RGB32);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = QColor::fromRgba(drawn.pixel(x, y));
            if (c.alpha() < 128) {
                out.setPixel(x, y, Key.rgb());
                continue;
            }
            QColor opaque(c.red(), c.green(), c.blue());
            if (opaque == Key)
                opaque.setBlue(Key.blue() + 1);
            out.setPixel(x, y, opaque.rgb());
        }
    }
    return out;
}

QColor mix(const QColor& a, const QColor& b, double amount)
{
    return QColor(int(a.red() + (b.red() - a.red()) * amount),
                  int(a.green() + (b.green() - a.green()) * amount),
                  int(a.blue() + (b.blue() - a.blue()) * amount));
}

QImage canvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage drawBall(const QColor& base)
{
    const int side = 100;
    QImage image = canvas(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shade(QPointF(side * 0.36, side * 0.32), side * 0.62);
    shade.setColorAt(0.0, mix(base, Qt::white, 0.8));
    shade.setColorAt(0.18, mix(base, Qt::white, 0.35));
    shade.setColorAt(0.65, base);
    shade.setColorAt(1.0, base.darker(170));
    p.setBrush(shade);
    // A light rim keeps a dark ball visible on the default black playfield.
    p.setPen(QPen(QColor(235, 235, 235), 3.0));
    p.drawEllipse(QRectF(2.5, 2.5, side - 5.0, side - 5.0));
    p.end();
    return flattenOnKey(image);
}

QImage drawBrick(const QColor& base)
{
    const int w = 96, h = 28;
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), base);
    p.fillRect(QRect(0, 0, w, 3), base.lighter(160));
    p.fillRect(QRect(0, 0, 3, h), base.lighter(140));
    p.fillRect(QRect(0, h - 3, w, 3), base.darker(180));
    p.fillRect(QRect(w - 3, 0, 3, h), base.darker(160));
    p.setPen(QColor(20, 20, 20));
    p.drawRect(QRect(0, 0, w - 1, h - 1));
    p.end();
    return image;
}

// A runner facing right, drawn on a 4x grid of the 28 x 33 image.
QImage drawRunner(bool facingRight)
{
    const int w = 112, h = 132;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (!facingRight) {
        p.translate(w, 0);
        p.scale(-1, 1);
    }
    const QColor outline(25, 25, 25);
    const QColor skin(255, 204, 153);
    const QColor shirt(255, 196, 0);
    const QColor trousers(40, 110, 230);

    auto limb = [&](QPointF a, QPointF b, QPointF c, const QColor& color) {
        QPainterPath path(a);
        path.lineTo(b);
        path.lineTo(c);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 17, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(color, 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    };
    // Back arm and back leg first, then body, front leg and front arm.
    limb({52, 50}, {34, 64}, {26, 52}, skin);
    limb({52, 84}, {36, 100}, {18, 104}, trousers);
    p.setPen(QPen(outline, 4));
    p.setBrush(shirt);
    p.drawRoundedRect(QRectF(40, 40, 26, 48), 10, 10);
    limb({56, 84}, {74, 102}, {70, 122}, trousers);
    limb({58, 50}, {76, 62}, {92, 50}, skin);
    p.setPen(QPen(outline, 4));
    p.setBrush(skin);
    p.drawEllipse(QPointF(62, 22), 16, 16);
    p.setBrush(outline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(69, 19), 3, 3);
    p.end();
    return flattenOnKey(image);
}

QImage drawCentreMark()
{
    const int side = 132;
    QImage image = canvas(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(side / 2.0, side / 2.0);
    p.setPen(QPen(QColor(30, 30, 30), 6));
    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(c, 60, 60);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(c, 42, 42);
    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(c, 26, 26);
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(c, 11, 11);
    p.end();
    return flattenOnKey(image);
}

bool save(const QImage& image, const QDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-game-pictures OUTPUT_DIR\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path()))
        return 1;

    // One colour for each word ColorToName gives; blue stands for "Bleu".
    const TColor colors[] = {128, 255, 32768, 65535, 16711935, 0xFF0000};
    bool ok = true;
    for (TColor color : colors) {
        ok &= save(drawBall(fromTColor(color)), dir, ClockGame::BallPicture(color));
        ok &= save(drawBrick(fromTColor(color)), dir,
                   QStringLiteral("Brique_") + ColorToName(color) + QStringLiteral(".bmp"));
    }
    ok &= save(drawRunner(true), dir, QLatin1String(PictureFile::CharacterRight));
    ok &= save(drawRunner(false), dir, QLatin1String(PictureFile::CharacterLeft));
    ok &= save(drawCentreMark(), dir, QLatin1String(PictureFile::CentreMark));
    return ok ? 0 : 1;
}
