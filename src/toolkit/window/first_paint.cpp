#include "first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace twindle {

namespace {

// Watches the widget's events until its first paint; a child of the widget, so that it goes
// with it.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget& widget, std::function<void()> then)
        : QObject(&widget), m_then(std::move(then))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // A paint is part of the event that flushes the window's frame to the screen; a
            // zero-time timer started in it fires once that event is done.
            QTimer::singleShot(0, watched, std::move(m_then));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstPaint(QWidget& widget, std::function<void()> then)
{
    new FirstPaintWatch(widget, std::move(then));
}

} // namespace twindle
