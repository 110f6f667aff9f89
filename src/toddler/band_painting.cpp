#include "band_painting.h"

#include "assets/card_size.h"
#include "assets/fonts.h"
#include "game/board_grid.h"
#include "game/card_kinds.h"
#include "ui/board_geometry.h"
#include "ui/board_painter.h"
#include "ui/card_faces.h"
#include "ui/qt_colour.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace twindle {

namespace {

// Someone whose turn it is not shows faint, so that whose it is stands out.
constexpr qreal kFaintOpacity = 0.35;
// A pair's second card lies this far across and down its first card, in card widths.
constexpr qreal kPairShift = 0.3;

// The largest card of a card's proportions within `place`, centred at its top.
QRect cardIn(const QRect& place)
{
    const int width = std::min(place.width(), place.height() * kCardPixelWidth / kCardPixelHeight);
    const int height = width * kCardPixelHeight / kCardPixelWidth;
    return QRect(place.left() + (place.width() - width) / 2, place.top(), width, height);
}

QPixmap pictureOf(const Player& player, CardFaces& faces, const QRect& place, qreal devicePixelRatio)
{
    const bool family = player.familyCard >= 0;
    const CardKind* kind = findCardKind(family ? kFamilyPhotos : kPictureCards);
    const int face = family ? kFirstFamilyFace + player.familyCard : player.animal;
    return faces.picture(*kind, face, false, devicePixelRatio * place.width() / kCardPixelWidth);
}

// One small card, face up, drawn as the board draws its cards.
void paintSmallCard(QPainter& painter, const QRect& place, const CardKind& kind, int face, CardFaces& faces)
{
    const qreal scale = qreal(place.width()) / kCardPixelWidth;
    const QSize natural = BoardGeometry::naturalSize();
    const BoardGeometry board(QRect(place.topLeft(), QSize(int(std::ceil(natural.width() * scale)),
                                                           int(std::ceil(natural.height() * scale)))));
    CardSlot card;
    card.Visible = true;
    card.Face = face;
    paintCard(painter, board, BoardGrid(2 * kMostPairs), kind, card, true, faces);
}

// Large enough to read from across the table.
QFont nameFont(int width, bool bright)
{
    QFont font = arialFont(10);
    font.setPixelSize(std::max(12, width / 6));
    font.setBold(bright);
    return font;
}

} // namespace

int playerHeight(int width, int height, int frame)
{
    const int nameHeight = QFontMetrics(nameFont(width, true)).height();
    const int picture = (width - 2 * frame) * kCardPixelHeight / kCardPixelWidth;
    return std::min(height, picture + 2 * frame + nameHeight);
}

void paintPlayer(QPainter& painter, const QRect& place, const Player& player, CardFaces& faces, bool bright, int frame)
{
    const QFont font = nameFont(place.width(), bright);
    const int nameHeight = QFontMetrics(font).height();
    const QRect picture = cardIn(place.adjusted(frame, frame, -frame, -frame - nameHeight));

    painter.save();
    painter.setOpacity(bright ? 1.0 : kFaintOpacity);
    painter.setRenderHint(QPainter::Antialiasing);
    const int edge = bright ? frame : std::max(2, frame / 3);
    const QRectF outline = QRectF(picture).adjusted(-edge / 2.0, -edge / 2.0, edge / 2.0, edge / 2.0);
    painter.drawPixmap(picture, pictureOf(player, faces, picture, painter.device()->devicePixelRatioF()));
    painter.setPen(QPen(toQColor(player.colour), edge));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(outline, edge, edge);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect line(place.left(), picture.bottom() + frame, place.width(), nameHeight);
    painter.drawText(line, Qt::AlignCenter, QFontMetrics(font).elidedText(player.name, Qt::ElideRight, line.width()));
    painter.restore();
}

void paintPile(QPainter& painter, const QRect& place, const std::vector<Turns::Pair>& pile, int pairs,
               const CardKind& kind, CardFaces& faces)
{
    // The columns whose rows of all the game's pairs fit with the largest cards.
    pairs = std::max(pairs, 1);
    int bestWidth = 0;
    int bestColumns = 1;
    for (int columns = 1; columns <= pairs; ++columns) {
        const int rows = (pairs + columns - 1) / columns;
        const qreal byWidth = place.width() / (columns * (1 + kPairShift) + 0.1 * (columns - 1));
        const qreal byHeight = place.height() / (rows * (qreal(kCardPixelHeight) / kCardPixelWidth + kPairShift) * 1.05);
        if (const int width = int(std::min(byWidth, byHeight)); width > bestWidth) {
            bestWidth = width;
            bestColumns = columns;
        }
    }
    const int width = bestWidth;
    const int height = width * kCardPixelHeight / kCardPixelWidth;
    const int shift = int(width * kPairShift);
    const int stepX = width + shift + width / 10;
    const int stepY = int((height + shift) * 1.05);
    const int left = place.left() + (place.width() - (bestColumns * stepX - width / 10)) / 2;
    for (std::size_t i = 0; i < pile.size(); ++i) {
        const QPoint corner(left + int(i % std::size_t(bestColumns)) * stepX,
                            place.top() + int(i / std::size_t(bestColumns)) * stepY);
        paintSmallCard(painter, QRect(corner, QSize(width, height)), kind, pile[i][0], faces);
        paintSmallCard(painter, QRect(corner + QPoint(shift, shift), QSize(width, height)), kind, pile[i][1], faces);
    }
}

} // namespace twindle
