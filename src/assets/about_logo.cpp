#include "window_pictures.h"

#include "card_painter.h"
#include "fonts.h"
#include "picture_canvas.h"
#include "vector_art.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <numbers>

namespace twindle {

namespace {

constexpr QSize kLogoSize(316, 290);

void paintSkyAndHills(QPainter& painter)
{
    const QRectF logo(QPointF(0, 0), QSizeF(kLogoSize));
    QLinearGradient sky(logo.topLeft(), logo.bottomLeft());
    sky.setColorAt(0, QColor(0x7E, 0xC8, 0xF6));
    sky.setColorAt(1, QColor(0xE6, 0xF6, 0xFF));
    painter.fillRect(logo, sky);

    painter.setPen(Qt::NoPen);
    QPainterPath farHill;
    farHill.moveTo(0, 236);
    farHill.cubicTo(70, 200, 150, 214, 200, 232);
    farHill.cubicTo(240, 246, 280, 222, 316, 214);
    farHill.lineTo(316, 290);
    farHill.lineTo(0, 290);
    painter.setBrush(QColor(0x8B, 0xD3, 0x5C));
    painter.drawPath(farHill);

    QPainterPath nearHill;
    nearHill.moveTo(0, 262);
    nearHill.cubicTo(90, 240, 210, 252, 316, 258);
    nearHill.lineTo(316, 290);
    nearHill.lineTo(0, 290);
    painter.setBrush(QColor(0x5C, 0xB8, 0x3C));
    painter.drawPath(nearHill);
}

void paintSun(QPainter& painter, QPointF centre)
{
    painter.setPen(QPen(QColor(0xFF, 0xC1, 0x07), 3.5, Qt::SolidLine, Qt::RoundCap));
    for (int ray = 0; ray < 12; ++ray) {
        const qreal angle = ray * std::numbers::pi / 6;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * 24, centre + direction * 32);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xFF, 0xD5, 0x4F));
    painter.drawEllipse(centre, 19, 19);
}

// A small card with our fish on it, leaning by degrees: two of them make the pair.
void paintFishCard(QPainter& painter, QPointF centre, qreal lean, QColor frame)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(lean);
    painter.scale(0.95, 0.95);
    painter.translate(-40.5, -55);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawRect(QRectF(3, 4, 81, 110));
    paintFramedCard(painter, frame);
    paintVectorArt(painter, u"twindle", {QPointF(6.5, 22), 68});
    painter.restore();
}

// The name in round, bright letters, each its own colour, outlined so it stands off the sky.
void paintName(QPainter& painter, QPointF baselineCentre)
{
    static const std::array<QColor, 7> kLetterColours = {
        QColor(0xE5, 0x39, 0x35), QColor(0xFB, 0x8C, 0x00), QColor(0xF2, 0xB7, 0x05),
        QColor(0x43, 0xA0, 0x47), QColor(0x1E, 0x88, 0xE5), QColor(0x8E, 0x24, 0xAA),
        QColor(0xD8, 0x1B, 0x60)};
    const QString name = QStringLiteral("Twindle");
    QFont font = arialFont(40);
    font.setWeight(QFont::Bold);
    const QFontMetricsF metrics(font);

    qreal x = baselineCentre.x() - metrics.horizontalAdvance(name) / 2;
    for (qsizetype index = 0; index < name.size(); ++index) {
        QPainterPath letter;
        letter.addText(QPointF(x, baselineCentre.y()), font, name.mid(index, 1));
        painter.setPen(QPen(QColor(0x1A, 0x23, 0x7E), 7, Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(letter);
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(letter);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kLetterColours[std::size_t(index) % kLetterColours.size()]);
        painter.drawPath(letter);
        x += metrics.horizontalAdvance(name.at(index));
    }
}

} // namespace

QPixmap aboutLogo(qreal devicePixelRatio)
{
    return paintPicture(kLogoSize, devicePixelRatio, [](QPainter& painter) {
        paintSkyAndHills(painter);
        paintSun(painter, QPointF(38, 38));
        paintFishCard(painter, QPointF(112, 182), -9, QColor(0x1E, 0x88, 0xE5));
        paintFishCard(painter, QPointF(204, 182), 8, QColor(0xE5, 0x39, 0x35));
        paintName(painter, QPointF(172, 104));
    });
}

} // namespace twindle
