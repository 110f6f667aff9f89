#include "window_pictures.h"

#include "card_fronts.h"
#include "card_painter.h"
#include "card_size.h"
#include "fonts.h"
#include "picture_canvas.h"
#include "resource_catalogue.h"
#include "vector_art.h"

#include <QPainter>
#include <QPainterPath>

namespace twindle {

namespace {

constexpr QSize kSmallCardSize(34, 45);
constexpr QSize kArrowSize(35, 19);
constexpr QSize kRowSize(34, 25);

const QColor kLetterFace(220, 220, 220);
const QColor kLetterBorder(64, 64, 64);
const QColor kLetterInk(24, 24, 24);

// A full card shrunk to the sample's size: the green frame and our own ladybird.
void paintPictureCard(QPainter& painter)
{
    painter.scale(qreal(kSmallCardSize.width()) / kCardPixelWidth,
                  qreal(kSmallCardSize.height()) / kCardPixelHeight);
    paintFramedCard(painter, QColor(cardFrames::kGreen));
    paintVectorArt(painter, u"ladybird", {QPointF(8.5, 23), 64});
}

// A face-up letter card as the board shows one: a dark letter on light grey in a thin border.
void paintLetterCard(QPainter& painter, const QString& letter)
{
    const QRectF card(QPointF(0, 0), QSizeF(kSmallCardSize));
    painter.fillRect(card, kLetterFace);
    painter.setPen(QPen(kLetterBorder, 1));
    painter.drawRect(card.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(kLetterInk);
    painter.setFont(timesNewRomanFont(21));
    painter.drawText(card, Qt::AlignCenter, letter);
}

void paintArrow(QPainter& painter)
{
    QPainterPath arrow;
    arrow.moveTo(1.5, 6.5);
    arrow.lineTo(20, 6.5);
    arrow.lineTo(20, 1.5);
    arrow.lineTo(33.5, 9.5);
    arrow.lineTo(20, 17.5);
    arrow.lineTo(20, 12.5);
    arrow.lineTo(1.5, 12.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x1B, 0x5E, 0x20), 1.2, Qt::SolidLine, Qt::RoundCap,
                        Qt::RoundJoin));
    painter.setBrush(QColor(0x4C, 0xC2, 0x4F));
    painter.drawPath(arrow);
}

} // namespace

QPixmap samplePictureCard(qreal devicePixelRatio)
{
    return paintPicture(kSmallCardSize, devicePixelRatio, paintPictureCard);
}

QPixmap sampleLetterCard(QChar letter, qreal devicePixelRatio)
{
    return paintPicture(kSmallCardSize, devicePixelRatio,
                        [letter](QPainter& painter) { paintLetterCard(painter, QString(letter)); });
}

QPixmap samplePicture(SamplePicture which, qreal devicePixelRatio)
{
    switch (which) {
    case SamplePicture::Arrow:
        return paintPicture(kArrowSize, devicePixelRatio, paintArrow);
    case SamplePicture::RowBackground:
        return paintPicture(kRowSize, devicePixelRatio, [](QPainter& painter) {
            painter.fillRect(QRectF(QPointF(0, 0), QSizeF(kRowSize)), QColor(250, 250, 246));
        });
    }
    return {};
}

} // namespace twindle
