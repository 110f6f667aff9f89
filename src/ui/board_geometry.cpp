#include "board_geometry.h"

#include "game/board_grid.h"
#include "toolkit/core/twips.h"

#include <algorithm>
#include <cmath>

namespace twindle {

QSize BoardGeometry::naturalSize()
{
    return QSize(twipsToPixels(kBoardWidth), twipsToPixels(kBoardHeight));
}

BoardGeometry::BoardGeometry(QSize widgetSize)
    : BoardGeometry(QRect(QPoint(0, 0), widgetSize))
{
}

BoardGeometry::BoardGeometry(QRect area)
{
    const QSize natural = naturalSize();
    m_scale = std::max(qreal(0), std::min(qreal(area.width()) / natural.width(),
                                          qreal(area.height()) / natural.height()));
    m_offset = area.topLeft() + QPoint((area.width() - int(std::floor(natural.width() * m_scale))) / 2,
                                       (area.height() - int(std::floor(natural.height() * m_scale))) / 2);
}

int BoardGeometry::pixels(int twips) const
{
    // Whole twips of one pixel at scale 1 stay whole: 1125 twips are 75 pixels, not 74.99...
    return int(std::floor(twips * m_scale / kTwipsPerPixel + 1e-9));
}

QRect BoardGeometry::toPixels(int left, int top, int width, int height) const
{
    return QRect(m_offset.x() + pixels(left), m_offset.y() + pixels(top), pixels(width), pixels(height));
}

} // namespace twindle
