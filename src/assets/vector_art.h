#pragma once

#include <QPointF>
#include <QRectF>
#include <QStringView>

class QPainter;

namespace twindle {

// The SVG drawings built into the program, by their names under src/assets/art/ without the
// extension: "twemoji/1f992" (a Twemoji glyph), "cowboy_hat" (one of our own).

// Where and how one drawing goes: its top-left corner and width in the painter's coordinates
// (the height follows the drawing's proportions), turned clockwise by degrees about its centre,
// and the share of its height left out at its top (a part another drawing replaces).
struct ArtPlacement {
    QPointF topLeft;
    qreal width = 0;
    qreal turn = 0;
    bool mirrored = false;
    qreal hiddenTop = 0;
};

// Draws the drawing at its placement; draws nothing when there is no such drawing.
void paintVectorArt(QPainter& painter, QStringView name, const ArtPlacement& placement);

// Draws the drawing stretched to fill the rectangle; false, having drawn nothing, when there is
// no such drawing.
bool paintVectorArtFilling(QPainter& painter, QStringView name, const QRectF& bounds);

} // namespace twindle
