#pragma once

#include "toolkit/core/twips.h"

#include <QWidget>

namespace twindle {

// Places a control as a window definition gives it, in twips of the client area.
inline void placeInTwips(QWidget& control, int left, int top, int width, int height)
{
    control.setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                        twipsToPixels(height));
}

// Windows whose title bar carries only a close box and which cannot be resized.
constexpr Qt::WindowFlags kToolWindowFlags = Qt::Tool | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
constexpr Qt::WindowFlags kFixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace twindle
