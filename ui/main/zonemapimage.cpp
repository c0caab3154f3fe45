#include "ui/main/zonemapimage.h"

#include <cmath>
#include <string_view>

#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include "engine/tables.h"
#include "engine/zonemap.h"

namespace sw {
namespace {

const QColor kShadeA(255, 234, 186);
const QColor kShadeB(206, 238, 196);
const QColor kShadeC(204, 218, 250);
const QColor kOutside(238, 238, 232);
const QColor kBoundary(170, 30, 30);
const QColor kOutline(60, 60, 60);
const QColor kLettering(80, 80, 80);

QColor shadeOf(std::string_view zone)
{
    if (zone == "A")
        return kShadeA;
    if (zone == "B")
        return kShadeB;
    if (zone == "C")
        return kShadeC;
    return kOutside;
}

// The state, in image pixels: a straight northern border, a river on the east, the coast to the
// south-east and the hills of the west. It reaches past both zone lines at their ends, so that
// every point of the lines lies inside it.
QPainterPath stateOutline()
{
    static const double points[][2] = {
        {18, 8},    {250, 8},   {252, 5},   {560, 5},   {562, 8},   {735, 8},   {741, 18},  {737, 34},
        {748, 52},  {744, 70},  {757, 92},  {752, 116}, {766, 140}, {760, 168}, {772, 196}, {765, 226},
        {774, 252}, {762, 280}, {766, 300}, {748, 318}, {722, 326}, {704, 340}, {676, 338}, {650, 350},
        {618, 352}, {590, 360}, {552, 362}, {520, 366}, {470, 366}, {420, 365}, {360, 366}, {300, 364},
        {252, 366}, {214, 366}, {180, 362}, {150, 356}, {128, 348}, {104, 350}, {80, 340},  {62, 326},
        {44, 320},  {36, 300},  {26, 280},  {24, 250},  {14, 232},  {12, 200},  {18, 170},  {10, 140},
        {12, 100},  {8, 70},    {14, 40},   {10, 20},
    };
    QPolygonF polygon;
    for (const auto& p : points)
        polygon << QPointF(p[0], p[1]);
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// Each segment's own line y = K x + Offset between its two ends, twips to image pixels. Beyond
// the line's east end everything is the east zone, and west of its west end everything is the west
// zone, so the boundary goes on straight north from the one and south from the other. Those two
// are drawn just outside the columns of the segments, which keep their shades clean beside the line.
void drawBoundary(QPainter& painter, const BoundaryLine& line)
{
    const auto at = [](const BoundarySeg& seg, double x) {
        return QPointF(x / kTwipsPerMapPixel, (seg.K * x + seg.Offset) / kTwipsPerMapPixel);
    };
    for (const BoundarySeg& seg : line)
        painter.drawLine(at(seg, seg.XEnd), at(seg, seg.XStart));
    const QPointF eastEnd = at(line.front(), line.front().XStart);
    const QPointF westEnd = at(line.back(), line.back().XEnd);
    painter.drawLine(QPointF(eastEnd.x() + 1, eastEnd.y()), QPointF(eastEnd.x() + 1, 0));
    painter.drawLine(westEnd, QPointF(westEnd.x(), kZoneMapHeight));
}

void drawLetter(QPainter& painter, const QString& letter, QPointF centre)
{
    QRectF box(0, 0, 80, 80);
    box.moveCenter(centre);
    painter.drawText(box, Qt::AlignCenter, letter);
}

void drawNorthArrow(QPainter& painter, QPointF tip)
{
    QPolygonF arrow;
    arrow << tip << tip + QPointF(9, 26) << tip + QPointF(0, 20) << tip + QPointF(-9, 26);
    painter.setPen(QPen(kLettering, 1));
    painter.setBrush(kLettering);
    painter.drawPolygon(arrow);
    QFont font = painter.font();
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(tip.x() - 10, tip.y() + 28, 20, 18), Qt::AlignCenter, QStringLiteral("N"));
}

QImage drawZoneMap()
{
    QImage shades(kZoneMapWidth, kZoneMapHeight, QImage::Format_RGB32);
    for (int row = 0; row < kZoneMapHeight; ++row) {
        auto* line = reinterpret_cast<QRgb*>(shades.scanLine(row));
        for (int column = 0; column < kZoneMapWidth; ++column) {
            const auto zone = FindZoneAtPixel(column, row);
            line[column] = (zone ? shadeOf(*zone) : kOutside).rgb();
        }
    }

    QImage map(kZoneMapWidth, kZoneMapHeight, QImage::Format_RGB32);
    map.fill(kOutside);
    QPainter painter(&map);
    const QPainterPath state = stateOutline();
    painter.setClipPath(state);
    painter.drawImage(0, 0, shades);
    // Without antialiasing: the boundary pixels are of one colour, and the shades on either side
    // stay pure, so the picture can be read back.
    painter.setPen(QPen(kBoundary, 2, Qt::SolidLine, Qt::FlatCap));
    const DesignTables& tables = designTables();
    drawBoundary(painter, tables.ZoneLineAB);
    drawBoundary(painter, tables.ZoneLineBC);
    painter.setClipping(false);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOutline, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(state);

    QFont font = painter.font();
    font.setPixelSize(60);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(kLettering);
    drawLetter(painter, QStringLiteral("A"), {120, 190});
    drawLetter(painter, QStringLiteral("B"), {393, 185});
    drawLetter(painter, QStringLiteral("C"), {665, 230});
    drawNorthArrow(painter, {52, 28});
    painter.end();
    return map;
}

}  // namespace

const QImage& zoneMapImage()
{
    static const QImage image = drawZoneMap();
    return image;
}

QColor zoneMapShade(const QString& zone)
{
    return shadeOf(zone.toStdString());
}

QColor zoneMapBoundaryColour()
{
    return kBoundary;
}

QColor zoneMapOutsideColour()
{
    return kOutside;
}

ZoneMapPicture::ZoneMapPicture(QWidget* parent) : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(zoneMapImage()));
    setScaledContents(true);
    setFixedSize(kZoneMapWidth, kZoneMapHeight);
    setCursor(Qt::CrossCursor);
}

std::optional<QPoint> ZoneMapPicture::imagePixelAt(QPointF position) const
{
    // The picture is stretched over the box: back from the box's own coordinates to the image's.
    const QRect shown = contentsRect();
    if (shown.isEmpty())
        return std::nullopt;
    const double x = (position.x() - shown.x()) * kZoneMapWidth / shown.width();
    const double y = (position.y() - shown.y()) * kZoneMapHeight / shown.height();
    if (x < 0 || y < 0 || x >= kZoneMapWidth || y >= kZoneMapHeight)
        return std::nullopt;
    return QPoint(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
}

void ZoneMapPicture::mousePressEvent(QMouseEvent* event)
{
    if (const std::optional<QPoint> pixel = imagePixelAt(event->position()))
        emit pressed(*pixel);
    event->accept();
}

}  // namespace sw
