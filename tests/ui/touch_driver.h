#pragma once

#include <QTest>

namespace twindle::test {

// The touch screen the tests touch with.
QPointingDevice* touchScreen();

// A touch on a widget, at points of the widget's own. It goes to the widget's window, as a touch
// screen's do (QTest would look for a child widget's window on the test screen, which is smaller
// than some boards tried).
QTest::QTouchEventWidgetSequence touch(QWidget& widget);

// One finger down and up again where it came down; by default at the widget's middle.
void tap(QWidget& widget, QPoint at);
void tap(QWidget* widget);

} // namespace twindle::test
