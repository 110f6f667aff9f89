#pragma once

#include <functional>

class QWidget;

namespace twindle {

// Calls `then` once, just after the widget's first paint has been flushed to the screen: for
// what a window needs soon but not in its first frame, so that the first frame comes sooner.
// Nothing is called if the widget is never painted.
void afterFirstPaint(QWidget& widget, std::function<void()> then);

} // namespace twindle
