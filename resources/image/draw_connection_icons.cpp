// Draws the connect button's three icons, one for each state of the link: the two halves of a
// plug apart (not connected, grey), joined (connected, green), and apart with a cross between
// them (the last connect failed, red). Drawn from shapes rather than scaled from pixels, so
// that the 2x images are as sharp as the 1x ones.
//   draw_connection_icons OUTPUT_DIR   writes NAME.png (48 x 48) and NAME@2x.png (128 x 128)
//
// The button shows its icon in a 64 x 64 box. A 48 x 48 image is not enlarged: at 1x it sits in
// the middle of the box. On a 2x screen Qt asks for 128 x 128 pixels and enlarges a smaller
// image to that, so the 2x image is 128 x 128 with the plug at 96 x 96 in its middle: the same
// place and size as at 1x, at twice the pixels.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

struct Icon
{
    const char *name;
    QColor color;
    double plugX;    // left edge of the plug's body
    double socketX;  // left edge of the socket's body
    bool joined;     // the plug's pins reach into the socket
    bool cross;      // a cross between the halves
};

const Icon Icons[] = {
    {"connect_creating", QColor(110, 110, 110), 3, 30, false, false},
    {"connect_established", QColor(46, 158, 62), 8, 26, true, false},
    {"connect_no", QColor(198, 40, 40), 1, 35, false, true},
};

// On a 48 x 48 grid: edges on whole pixels, so that the 1x image is crisp.
void drawIcon(QPainter &p, const Icon &icon)
{
    QPainterPath shape;
    shape.setFillRule(Qt::WindingFill);  // the parts overlap: one outline round them all
    shape.addRoundedRect(QRectF(icon.plugX, 13, 12, 23), 3, 3);
    const double pinsEnd = icon.joined ? icon.socketX : icon.plugX + 19;
    shape.addRect(QRectF(icon.plugX + 11, 17, pinsEnd - icon.plugX - 11, 4));
    shape.addRect(QRectF(icon.plugX + 11, 28, pinsEnd - icon.plugX - 11, 4));
    shape.addRect(QRectF(0, 22, icon.plugX + 1, 5));  // the cables
    shape.addRoundedRect(QRectF(icon.socketX, 11, 12, 26), 3, 3);
    shape.addRect(QRectF(icon.socketX + 11, 22, 48 - icon.socketX - 11, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(icon.color);
    p.drawPath(shape.simplified());

    if (icon.cross) {
        p.setPen(QPen(icon.color, 3.5, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(22.5, 18.5), QPointF(32.5, 30.5));
        p.drawLine(QPointF(22.5, 30.5), QPointF(32.5, 18.5));
    }
}

QImage render(const Icon &icon, int size, double scale)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double margin = (size - 48 * scale) / 2;
    p.translate(margin, margin);
    p.scale(scale, scale);
    drawIcon(p, icon);
    return image;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const Icon &icon : Icons) {
        const QString name = QString::fromLatin1(icon.name);
        const struct
        {
            QString file;
            QImage image;
        } outputs[] = {
            {dir.filePath(name + QStringLiteral(".png")), render(icon, 48, 1)},
            {dir.filePath(name + QStringLiteral("@2x.png")), render(icon, 128, 2)},
        };
        for (const auto &output : outputs) {
            if (!output.image.save(output.file, "PNG")) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(output.file));
                return 1;
            }
        }
    }
    return 0;
}
