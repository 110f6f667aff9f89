#pragma once

#include "family/card_crop.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace twindle::family {

// A photo with the frame of what its card shows. The frame moves by dragging it, by the arrow
// keys, and zooms with the mouse wheel and the + and - keys; every move is held on the photo
// and told by frameChanged. Without a photo it shows a picture alone, such as a card's.
class CropView final : public QWidget {
    Q_OBJECT

public:
    explicit CropView(QWidget* parent = nullptr);

    void setPhoto(const QImage& photo, const CropFrame& frame);
    void showPicture(const QImage& picture);  // no photo: nothing to frame
    const CropFrame& frame() const { return m_frame; }

signals:
    void frameChanged(const CropFrame& frame);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QRectF photoArea() const;  // where the photo is drawn, in the widget
    void moveFrame(const QPointF& centre, double zoom);

    QImage m_photo;  // shown scaled to the widget
    QImage m_shown;  // the photo as drawn, for painting quickly
    CropFrame m_frame;
    std::optional<QPointF> m_dragFrom;  // in the widget, while the frame is dragged
};

} // namespace twindle::family
