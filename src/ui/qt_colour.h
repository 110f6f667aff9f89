#pragma once

#include "assets/named_colours.h"

#include <QColor>

namespace twindle {

inline QColor toQColor(Colour colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

} // namespace twindle
