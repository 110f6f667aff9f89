#include "crop_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace twindle::family {

namespace {

// An arrow key moves the frame by this share of the photo; a step of zoom, from the wheel's
// notch or a key, multiplies it by this.
constexpr double kKeyStep = 0.02;
constexpr double kZoomStep = 1.1;
const QColor kShade(0, 0, 0, 150);

} // namespace

CropView::CropView(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(360, 360);
    setToolTip(tr("Drag the frame, or use the arrow keys, to choose what the card shows; "
                  "the mouse wheel or + and - make it larger or smaller."));
    setAccessibleName(tr("What the card shows"));
}

void CropView::setPhoto(const QImage& photo, const CropFrame& frame)
{
    m_photo = photo;
    m_shown = {};
    m_frame = heldOnPhoto(photo.size(), frame);
    setCursor(Qt::OpenHandCursor);
    update();
}

void CropView::showPicture(const QImage& picture)
{
    m_photo = {};
    m_shown = picture;
    m_frame = {};
    unsetCursor();
    update();
}

QRectF CropView::photoArea() const
{
    const QSizeF size = m_photo.isNull() ? m_shown.size() : m_photo.size();
    if (size.isEmpty())
        return {};
    const QSizeF fitted = size.scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
    return {QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

void CropView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = photoArea();
    if (area.isEmpty())
        return;
    if (m_shown.size() != area.size().toSize() && !m_photo.isNull())
        m_shown = m_photo.scaled(area.size().toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, m_shown);
    if (m_photo.isNull())
        return;
    // The frame: the rest of the photo shaded, the card's part clear, a white line around it.
    const double scale = area.width() / m_photo.width();
    const QRectF crop = cropRect(m_photo.size(), m_frame);
    const QRectF frame(area.topLeft() + crop.topLeft() * scale, crop.size() * scale);
    QPainterPath outside;
    outside.addRect(area);
    outside.addRect(frame);
    painter.fillPath(outside, kShade);
    painter.setPen(QPen(hasFocus() ? QColor(Qt::yellow) : QColor(Qt::white), 3));
    painter.drawRect(frame);
}

void CropView::moveFrame(const QPointF& centre, double zoom)
{
    const CropFrame moved = heldOnPhoto(m_photo.size(), {centre, zoom});
    if (moved == m_frame)
        return;
    m_frame = moved;
    update();
    emit frameChanged(m_frame);
}

void CropView::mousePressEvent(QMouseEvent* event)
{
    if (!m_photo.isNull() && event->button() == Qt::LeftButton) {
        m_dragFrom = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void CropView::mouseMoveEvent(QMouseEvent* event)
{
    const QRectF area = photoArea();
    if (!m_dragFrom || area.isEmpty())
        return;
    const QPointF moved = event->position() - *m_dragFrom;
    m_dragFrom = event->position();
    moveFrame(m_frame.centre + QPointF(moved.x() / area.width(), moved.y() / area.height()), m_frame.zoom);
}

void CropView::mouseReleaseEvent(QMouseEvent*)
{
    m_dragFrom.reset();
    if (!m_photo.isNull())
        setCursor(Qt::OpenHandCursor);
}

void CropView::wheelEvent(QWheelEvent* event)
{
    if (m_photo.isNull())
        return;
    moveFrame(m_frame.centre, m_frame.zoom * std::pow(kZoomStep, event->angleDelta().y() / 120.0));
}

void CropView::keyPressEvent(QKeyEvent* event)
{
    if (m_photo.isNull()) {
        QWidget::keyPressEvent(event);
        return;
    }
    const QPointF centre = m_frame.centre;
    switch (event->key()) {
    case Qt::Key_Left: moveFrame(centre - QPointF(kKeyStep, 0), m_frame.zoom); break;
    case Qt::Key_Right: moveFrame(centre + QPointF(kKeyStep, 0), m_frame.zoom); break;
    case Qt::Key_Up: moveFrame(centre - QPointF(0, kKeyStep), m_frame.zoom); break;
    case Qt::Key_Down: moveFrame(centre + QPointF(0, kKeyStep), m_frame.zoom); break;
    case Qt::Key_Plus:
    case Qt::Key_Equal: moveFrame(centre, m_frame.zoom * kZoomStep); break;
    case Qt::Key_Minus: moveFrame(centre, m_frame.zoom / kZoomStep); break;
    default: QWidget::keyPressEvent(event);
    }
}

} // namespace twindle::family
