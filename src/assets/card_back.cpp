#include "window_pictures.h"

#include "card_size.h"
#include "picture_canvas.h"
#include "resource_catalogue.h"
#include "vector_art.h"

#include <QPainter>
#include <QPainterPath>

namespace twindle {

namespace {

constexpr QSize kCardSize(kCardPixelWidth, kCardPixelHeight);

const QColor kDeepBlue(0x1F, 0x4E, 0xB4);
const QColor kLatticeBlue(0x4F, 0x86, 0xE0);
const QColor kEdgeBlue(0x12, 0x32, 0x7A);

// A diamond lattice of light lines over the deep blue field, with a dot where lines cross.
void paintLattice(QPainter& painter, const QRectF& field)
{
    painter.fillRect(field, kDeepBlue);
    painter.save();
    painter.setClipRect(field);
    constexpr qreal kStep = 11;
    painter.setPen(QPen(kLatticeBlue, 1.2));
    for (qreal start = field.left() - field.height(); start < field.right(); start += kStep) {
        painter.drawLine(QPointF(start, field.top()),
                         QPointF(start + field.height(), field.bottom()));
        painter.drawLine(QPointF(start + field.height(), field.top()),
                         QPointF(start, field.bottom()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xBF, 0xD6, 0xFF));
    for (qreal y = field.top(); y <= field.bottom() + kStep; y += kStep / 2) {
        const bool shifted = int((y - field.top()) / (kStep / 2)) % 2 == 1;
        for (qreal x = field.left() + (shifted ? kStep / 2 : 0); x <= field.right(); x += kStep)
            painter.drawEllipse(QPointF(x, y), 1.1, 1.1);
    }
    painter.restore();
}

// A white oval in the middle with our yellow fish, so the back is friendly and unmistakable.
void paintMedallion(QPainter& painter, const QRectF& card)
{
    const QRectF oval(card.center() - QPointF(24, 19), QSizeF(48, 38));
    painter.setPen(QPen(kEdgeBlue, 1.5));
    painter.setBrush(Qt::white);
    painter.drawEllipse(oval);
    paintVectorArt(painter, u"twindle", {oval.center() - QPointF(17, 17), 34});
}

QPixmap paintCardBack(qreal devicePixelRatio)
{
    return paintPicture(kCardSize, devicePixelRatio, [](QPainter& painter) {
        const QRectF card(QPointF(0, 0), QSizeF(kCardSize));
        painter.fillRect(card, kEdgeBlue);
        painter.fillRect(card.adjusted(1, 1, -1, -1), Qt::white);
        const QRectF field = card.adjusted(4, 4, -4, -4);
        paintLattice(painter, field);
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(field.adjusted(3, 3, -3, -3), 4, 4);
        paintMedallion(painter, card);
    });
}

} // namespace

QPixmap cardBackPicture(qreal devicePixelRatio)
{
    if (!isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    return paintCardBack(devicePixelRatio);
}

} // namespace twindle
