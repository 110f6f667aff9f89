#include "board_painter.h"

#include "assets/fonts.h"
#include "assets/resource_catalogue.h"
#include "assets/window_pictures.h"
#include "game/board_grid.h"
#include "toolkit/twips.h"
#include "ui/qt_colour.h"

#include <QPainter>
#include <QPainterPath>

namespace twindle {

namespace {

QRect rectInPixels(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// The frame of a found pair: a light-yellow rounded outline, 12 pixels wide, inside its bounds.
constexpr int kFrameLineWidth = 12;
constexpr qreal kFrameCornerRadius = 12;
const QColor kFrameColour(255, 255, 128);

} // namespace

void paintLetterCard(QPainter& painter, const LetterCard& card)
{
    const QRect bounds = rectInPixels(card.Left, card.Top, kCardWidth, kCardHeight);
    painter.fillRect(bounds, toQColor(card.BackColor));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));

    painter.setFont(timesNewRomanFont(48));
    painter.setPen(Qt::black);
    painter.drawText(bounds, Qt::AlignCenter, QString::fromStdString(card.Caption));
}

void paintPictureCard(QPainter& painter, const PictureCard& card)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QPixmap picture = card.Picture == kCardBackPicture ? cardBackPicture(ratio)
                                                             : cardFrontPicture(card.Picture, ratio);
    painter.drawPixmap(twipsToPixels(card.Left), twipsToPixels(card.Top), picture);
}

void paintFrame(QPainter& painter, const Frame& frame)
{
    const QRectF bounds = rectInPixels(frame.Left, frame.Top, kFrameWidth, kFrameHeight);
    const qreal inset = kFrameLineWidth / 2.0;
    painter.setPen(QPen(kFrameColour, kFrameLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), kFrameCornerRadius,
                            kFrameCornerRadius);
}

void paintCaption(QPainter& painter, const TextLabel& caption)
{
    painter.setFont(arialFont(36));
    painter.setPen(Qt::black);
    painter.drawText(rectInPixels(caption.Left, caption.Top, caption.Width, caption.Height),
                     Qt::AlignHCenter | Qt::AlignTop, QString::fromStdString(caption.Caption));
}

} // namespace twindle
