// Draws the application icon: the reader's body with a key laid on it and its status light.
// Drawn at each size rather than scaled, so that the small sizes stay crisp.
//   draw_icon OUTPUT_DIR SIZE...   writes OUTPUT_DIR/SIZE.png for each size
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <cstdlib>

namespace {

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);  // drawn on a 64 x 64 grid

    const QColor body(0x2B, 0x4A, 0x6F), edge(0x1B, 0x30, 0x4A), key(0xF2, 0xC9, 0x4C);
    p.setPen(QPen(edge, 2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 6, 56, 52), 10, 10);

    // The key: a round bow with a hole, a shaft, two teeth.
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);  // the parts overlap: one outline round them all
    shape.addEllipse(QPointF(21, 34), 11, 11);
    shape.addRect(QRectF(28, 30.5, 26, 7));
    shape.addRect(QRectF(42, 37, 4, 6));
    shape.addRect(QRectF(49, 37, 5, 8));
    QPainterPath hole;
    hole.addEllipse(QPointF(19, 34), 4, 4);
    p.setPen(QPen(QColor(0x8A, 0x6A, 0x12), 1.2));
    p.setBrush(key);
    p.drawPath(shape.simplified().subtracted(hole));

    // The status light, green as when a key was read.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3C, 0xD0, 0x5A));
    p.drawEllipse(QPointF(50, 16), 4.5, 4.5);
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR SIZE...\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 8 || size > 1024) {
            std::fprintf(stderr, "%s: bad size '%s'\n", argv[0], argv[i]);
            return 2;
        }
        const QString file = dir.filePath(QString::number(size) + QStringLiteral(".png"));
        if (!drawIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(file));
            return 1;
        }
    }
    return 0;
}
