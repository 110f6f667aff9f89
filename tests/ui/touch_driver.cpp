#include "touch_driver.h"

#include <gtest/gtest.h>

namespace twindle::test {

QPointingDevice* touchScreen()
{
    static QPointingDevice* const device = QTest::createTouchDevice();
    return device;
}

QTest::QTouchEventWidgetSequence touch(QWidget& widget)
{
    return QTest::touchEvent(widget.window(), touchScreen());
}

void tap(QWidget& widget, QPoint at)
{
    touch(widget).press(0, at, &widget);
    touch(widget).release(0, at, &widget);
}

void tap(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    tap(*widget, widget->rect().center());
}

} // namespace twindle::test
