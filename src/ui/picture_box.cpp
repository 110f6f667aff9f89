#include "picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace twindle {

PictureBox::PictureBox(QPixmap picture, Fit fit, QWidget* parent)
    : QFrame(parent)
    , m_picture(std::move(picture))
    , m_fit(fit)
{
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setClipRect(contentsRect());
        if (m_fit == Fit::Stretch)
            painter.drawPixmap(contentsRect(), m_picture);
        else
            painter.drawPixmap(contentsRect().topLeft(), m_picture);
    }
    QFrame::paintEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

} // namespace twindle
