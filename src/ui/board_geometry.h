#pragma once

#include <QRect>
#include <QSize>

namespace twindle {

// Where the board's layout, 7905 x 5265 twips, stands in a widget of any size: scaled
// uniformly to the most that fits, and centred. At the board's own size, 527 x 351 pixels,
// the scale is 1 and every length is its twips divided by 15, rounded down, as ever.
class BoardGeometry {
public:
    explicit BoardGeometry(QSize widgetSize);
    // In a part of the widget, such as its contents rectangle: scaled to it and centred in it.
    explicit BoardGeometry(QRect area);

    // The board's own size in pixels, at scale 1.
    static QSize naturalSize();

    qreal scale() const { return m_scale; }

    // A rectangle of the layout, in twips, as widget pixels.
    QRect toPixels(int left, int top, int width, int height) const;

    // A length of the layout, in twips or in the board's own pixels, at this scale.
    qreal scaled(qreal boardPixels) const { return boardPixels * m_scale; }

private:
    int pixels(int twips) const;

    qreal m_scale = 1;
    QPoint m_offset;
};

} // namespace twindle
