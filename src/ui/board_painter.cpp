#include "board_painter.h"

#include "assets/card_size.h"
#include "assets/fonts.h"
#include "game/board_grid.h"
#include "game/tag_text.h"
#include "ui/card_faces.h"
#include "ui/qt_colour.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace twindle {

namespace {

// The frame of a found pair: a light-yellow rounded outline, 12 pixels wide at the board's own
// size, inside its bounds.
constexpr qreal kFrameLineWidth = 12;
constexpr qreal kFrameCornerRadius = 12;
constexpr std::string_view kFrameColour = "lemon";

constexpr qreal kLetterPoints = 48;
constexpr qreal kCaptionPoints = 36;

void paintLetterCard(QPainter& painter, const QRect& bounds, qreal scale, const CardLook& look, int face)
{
    const bool up = face != kFaceDown;
    painter.fillRect(bounds, toQColor(colourFromName(up ? look.faceUpColour : look.faceDownColour)));
    const int line = std::max(1, int(std::lround(scale)));
    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(Qt::NoBrush);
    if (line == 1)
        painter.drawRect(bounds.adjusted(0, 0, -1, -1));
    else
        painter.drawRect(QRectF(bounds).adjusted(line / 2.0, line / 2.0, -line / 2.0, -line / 2.0));

    painter.setFont(timesNewRomanFont(kLetterPoints * scale));
    painter.setPen(Qt::black);
    const std::string caption = up ? characterText(face) : std::string(look.faceDownCaption);
    painter.drawText(bounds, Qt::AlignCenter, QString::fromStdString(caption));
}

// The picture is drawn for the device pixels of its place's width, and fills its place: pixel
// for pixel, or at most a pixel taller or shorter where the scale rounds the two sides apart.
qreal pictureRatioAt(const QRect& place, qreal devicePixelRatio)
{
    return devicePixelRatio * place.width() / kCardPixelWidth;
}

} // namespace

void paintCard(QPainter& painter, const BoardGeometry& board, const Grid& grid, const CardKind& kind,
               const CardSlot& card, bool found, CardFaces& faces)
{
    const QRect place = board.toPixels(card.Left, card.Top, grid.card.width, grid.card.height);
    if (kind.look.art == CardArt::Letter) {
        paintLetterCard(painter, place, board.scale() * grid.cardScale(), kind.look, card.Face);
        return;
    }
    const qreal ratio = pictureRatioAt(place, painter.device()->devicePixelRatioF());
    painter.drawPixmap(place, faces.picture(kind, card.Face, found, ratio));
}

void preparePicture(const BoardGeometry& board, const Grid& grid, const CardKind& kind, int face,
                    qreal devicePixelRatio, CardFaces& faces)
{
    const QRect place = board.toPixels(0, 0, grid.card.width, grid.card.height);
    (void)faces.picture(kind, face, false, pictureRatioAt(place, devicePixelRatio));
}

void paintFrame(QPainter& painter, const BoardGeometry& board, const Grid& grid, const Frame& frame)
{
    const Size size = grid.frame();
    const QRectF bounds = board.toPixels(frame.Left, frame.Top, size.width, size.height);
    const qreal line = board.scaled(kFrameLineWidth * grid.cardScale());
    const qreal inset = line / 2;
    const qreal radius = board.scaled(kFrameCornerRadius * grid.cardScale());
    painter.setPen(QPen(toQColor(colourFromName(kFrameColour)), line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(bounds.adjusted(inset, inset, -inset, -inset), radius, radius);
}

// The game's captions, which it keeps in English, for the translations.
[[maybe_unused]] constexpr const char* kCaptions[] = {QT_TRANSLATE_NOOP("twindle::BoardView", "You Did It!")};

void paintCaption(QPainter& painter, const BoardGeometry& board, const TextLabel& caption)
{
    painter.setFont(arialFont(board.scaled(kCaptionPoints)));
    painter.setPen(Qt::black);
    painter.drawText(board.toPixels(caption.Left, caption.Top, caption.Width, caption.Height),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QCoreApplication::translate("twindle::BoardView", caption.Caption.c_str()));
}

} // namespace twindle
