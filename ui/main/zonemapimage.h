#pragma once
// The rainfall zone map: the picture of the state with its three zones, drawn in code, and the
// picture box that shows it and reports presses in the image's own pixels.
//
// The zones are shaded pixel by pixel with the same classification a press uses, and the two
// boundaries are drawn from the zone line tables, so the picture cannot disagree with the answer.

#include <optional>

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPoint>

class QMouseEvent;

namespace sw {

// The map, kZoneMapWidth x kZoneMapHeight pixels; drawn once, then shared.
[[nodiscard]] const QImage& zoneMapImage();

// The colours of the picture, for whoever reads it back.
[[nodiscard]] QColor zoneMapShade(const QString& zone);  // "A", "B" or "C"
[[nodiscard]] QColor zoneMapBoundaryColour();
[[nodiscard]] QColor zoneMapOutsideColour();

// Picture1 of the map window. The picture fills the box, at whatever size the box is given; a
// press anywhere on it is reported as the image pixel under the pointer.
class ZoneMapPicture final : public QLabel {
    Q_OBJECT

public:
    explicit ZoneMapPicture(QWidget* parent = nullptr);

    // The image pixel shown at a position of the box (widget coordinates, not the screen's);
    // empty off the picture.
    [[nodiscard]] std::optional<QPoint> imagePixelAt(QPointF position) const;

signals:
    // Any mouse button.
    void pressed(QPoint imagePixel);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace sw
