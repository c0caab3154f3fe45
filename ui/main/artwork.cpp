#include "ui/main/artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

namespace sw {
namespace {

void drawCloud(QPainter& p, QPointF centre, double r, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(centre, r * 1.1, r * 0.75);
    p.drawEllipse(centre + QPointF(-r * 1.05, r * 0.2), r * 0.75, r * 0.55);
    p.drawEllipse(centre + QPointF(r * 1.1, r * 0.25), r * 0.8, r * 0.5);
    p.drawEllipse(centre + QPointF(r * 0.35, -r * 0.45), r * 0.7, r * 0.6);
}

void drawRain(QPainter& p, const QRectF& area, double step, double length, const QColor& colour)
{
    p.setPen(QPen(colour, std::max(1.0, step / 14.0), Qt::SolidLine, Qt::RoundCap));
    int row = 0;
    for (double y = area.top(); y < area.bottom(); y += step * 0.9, ++row) {
        const double offset = (row % 2) * step / 2;
        for (double x = area.left() + offset; x < area.right(); x += step)
            p.drawLine(QPointF(x, y), QPointF(x - length * 0.3, y + length));
    }
}

}  // namespace

QPixmap splashPicture(QSize size)
{
    QPixmap pixmap(size);
    const double w = size.width();
    const double h = size.height();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(70, 84, 104));
    sky.setColorAt(0.6, QColor(150, 166, 184));
    sky.setColorAt(1, QColor(186, 196, 204));
    p.fillRect(pixmap.rect(), sky);

    drawCloud(p, QPointF(w * 0.22, h * 0.13), h * 0.1, QColor(92, 100, 116));
    drawCloud(p, QPointF(w * 0.72, h * 0.1), h * 0.12, QColor(82, 90, 108));
    drawRain(p, QRectF(0, h * 0.2, w, h * 0.5), h * 0.06, h * 0.05, QColor(225, 235, 245, 150));

    // Ground, embankment and road.
    const double ground = h * 0.78;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 128, 72));
    p.drawRect(QRectF(0, ground, w, h - ground));
    const double crest = h * 0.5;
    QPolygonF embankment;
    embankment << QPointF(w * 0.08, ground) << QPointF(w * 0.32, crest) << QPointF(w * 0.68, crest)
               << QPointF(w * 0.92, ground);
    QLinearGradient fill(0, crest, 0, ground);
    fill.setColorAt(0, QColor(118, 150, 84));
    fill.setColorAt(1, QColor(88, 118, 62));
    p.setBrush(fill);
    p.drawPolygon(embankment);
    p.setBrush(QColor(58, 60, 64));
    p.drawRect(QRectF(w * 0.3, crest - h * 0.035, w * 0.4, h * 0.035));
    p.setPen(QPen(QColor(236, 222, 120), h * 0.006, Qt::DashLine));
    p.drawLine(QPointF(w * 0.31, crest - h * 0.018), QPointF(w * 0.69, crest - h * 0.018));

    // The culvert through the toe of the embankment, and the water leaving it.
    const QPointF mouth(w * 0.5, ground - h * 0.07);
    const double r = h * 0.065;
    p.setPen(QPen(QColor(150, 150, 146), r * 0.35));
    p.setBrush(QColor(30, 32, 36));
    p.drawEllipse(mouth, r, r);
    QPainterPath stream;
    stream.moveTo(mouth + QPointF(-r * 0.8, r * 0.6));
    stream.cubicTo(mouth + QPointF(-r * 1.1, r * 2.0), QPointF(w * 0.44, h * 0.95), QPointF(w * 0.4, h));
    stream.lineTo(QPointF(w * 0.6, h));
    stream.cubicTo(QPointF(w * 0.56, h * 0.95), mouth + QPointF(r * 1.1, r * 2.0), mouth + QPointF(r * 0.8, r * 0.6));
    stream.closeSubpath();
    QLinearGradient water(0, mouth.y(), 0, h);
    water.setColorAt(0, QColor(70, 120, 170));
    water.setColorAt(1, QColor(110, 160, 205));
    p.setPen(Qt::NoPen);
    p.setBrush(water);
    p.drawPath(stream);

    // Title, on a calm band so that the rain does not cross it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 66, 170));
    p.drawRoundedRect(QRectF(w * 0.12, h * 0.21, w * 0.76, h * 0.23), h * 0.03, h * 0.03);
    QFont title = p.font();
    title.setPixelSize(std::max(12, static_cast<int>(h * 0.1)));
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(250, 250, 252));
    p.drawText(QRectF(0, h * 0.22, w, h * 0.14), Qt::AlignCenter, QStringLiteral("Stormwick"));
    QFont subtitle = title;
    subtitle.setBold(false);
    subtitle.setPixelSize(std::max(10, static_cast<int>(h * 0.045)));
    p.setFont(subtitle);
    p.drawText(QRectF(0, h * 0.35, w, h * 0.07), Qt::AlignCenter,
               QStringLiteral("Peak runoff by the Rational Method   Q = C \u00b7 i \u00b7 A"));
    return pixmap;
}

QPixmap culvertPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    const double s = side;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 136, 76));
    QPolygonF bank;
    bank << QPointF(0, s * 0.8) << QPointF(s * 0.2, s * 0.25) << QPointF(s * 0.8, s * 0.25) << QPointF(s, s * 0.8);
    p.drawPolygon(bank);
    p.setBrush(QColor(60, 62, 66));
    p.drawRect(QRectF(s * 0.18, s * 0.19, s * 0.64, s * 0.07));
    const QPointF mouth(s * 0.5, s * 0.62);
    p.setPen(QPen(QColor(160, 160, 156), s * 0.05));
    p.setBrush(QColor(28, 30, 34));
    p.drawEllipse(mouth, s * 0.16, s * 0.16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 136, 196));
    p.drawRect(QRectF(0, s * 0.8, s, s * 0.2));
    p.drawEllipse(QPointF(s * 0.5, s * 0.8), s * 0.14, s * 0.05);
    return pixmap;
}

QPixmap rainPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    const double s = side;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawRain(p, QRectF(s * 0.15, s * 0.42, s * 0.7, s * 0.45), s * 0.16, s * 0.12, QColor(60, 120, 200));
    drawCloud(p, QPointF(s * 0.5, s * 0.3), s * 0.17, QColor(110, 118, 134));
    // A rain gauge catching it.
    p.setPen(QPen(QColor(40, 40, 44), s * 0.03));
    p.setBrush(QColor(230, 236, 242));
    p.drawRect(QRectF(s * 0.7, s * 0.62, s * 0.16, s * 0.32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 136, 196));
    p.drawRect(QRectF(s * 0.72, s * 0.8, s * 0.12, s * 0.12));
    return pixmap;
}

QPixmap applicationIconPicture(int side)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    const double s = side;
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The tile, in the splash's stormy sky, clipped to its rounded corners.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    p.setClipPath(tile);
    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, QColor(70, 84, 104));
    sky.setColorAt(0.7, QColor(150, 166, 184));
    p.fillRect(QRectF(0, 0, s, s), sky);
    if (side >= 32)
        drawRain(p, QRectF(s * 0.12, s * 0.3, s * 0.8, s * 0.2), s * 0.12, s * 0.08, QColor(225, 235, 245, 190));
    drawCloud(p, QPointF(s * 0.5, s * 0.2), s * 0.15, QColor(208, 214, 224));

    // Embankment with its road, and the culvert's mouth at the toe with the water leaving it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(104, 136, 76));
    QPolygonF bank;
    bank << QPointF(0, s * 0.9) << QPointF(s * 0.22, s * 0.5) << QPointF(s * 0.78, s * 0.5) << QPointF(s, s * 0.9);
    p.drawPolygon(bank);
    p.setBrush(QColor(58, 60, 64));
    p.drawRect(QRectF(s * 0.2, s * 0.45, s * 0.6, s * 0.06));
    p.setBrush(QColor(80, 136, 196));
    p.drawRect(QRectF(0, s * 0.86, s, s * 0.14));
    p.setPen(QPen(QColor(170, 170, 166), std::max(1.0, s * 0.04)));
    p.setBrush(QColor(28, 30, 34));
    p.drawEllipse(QPointF(s * 0.5, s * 0.72), s * 0.13, s * 0.13);
    return pixmap;
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(applicationIconPicture(side));
    return icon;
}

QIcon frequencyTableIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QPen(QColor(40, 60, 90), 1));
    p.setBrush(QColor(250, 250, 240));
    p.drawRect(2, 3, 19, 17);
    p.fillRect(3, 4, 18, 4, QColor(120, 160, 210));
    for (int y : {8, 12, 16})
        p.drawLine(2, y, 21, y);
    for (int x : {8, 14})
        p.drawLine(x, 3, x, 20);
    p.fillRect(15, 13, 6, 3, QColor(192, 255, 255));
    return QIcon(pixmap);
}

QIcon rainfallMapIcon()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 60, 40), 1));
    p.setBrush(QColor(226, 236, 200));
    p.drawRect(QRectF(2.5, 3.5, 19, 17));
    p.setPen(QPen(QColor(40, 90, 170), 1.5));
    p.drawLine(QPointF(9, 3.5), QPointF(6, 20.5));
    p.drawLine(QPointF(16, 3.5), QPointF(13, 20.5));
    QFont f = p.font();
    f.setPixelSize(6);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(2, 8, 6, 8), Qt::AlignCenter, QStringLiteral("A"));
    p.drawText(QRectF(9, 8, 6, 8), Qt::AlignCenter, QStringLiteral("B"));
    p.drawText(QRectF(15, 8, 6, 8), Qt::AlignCenter, QStringLiteral("C"));
    return QIcon(pixmap);
}

}  // namespace sw
