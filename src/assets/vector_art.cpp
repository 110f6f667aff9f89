#include "vector_art.h"

#include <QHash>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace twindle {

namespace {

// Parsing a drawing costs more than drawing it, so each is parsed once, on first use, and kept.
// The pictures are drawn on the GUI thread only.
QSvgRenderer* renderer(QStringView name)
{
    static QHash<QString, std::shared_ptr<QSvgRenderer>> parsed;
    const QString key = name.toString();
    auto found = parsed.constFind(key);
    if (found == parsed.cend()) {
        auto svg = std::make_shared<QSvgRenderer>(QStringLiteral(":/art/%1.svg").arg(key));
        found = parsed.insert(key, svg->isValid() ? svg : nullptr);
    }
    return found->get();
}

} // namespace

bool hasVectorArt(QStringView name)
{
    return renderer(name) != nullptr;
}

QSizeF vectorArtSize(QStringView name)
{
    const QSvgRenderer* svg = renderer(name);
    return svg ? svg->viewBoxF().size() : QSizeF();
}

void paintVectorArt(QPainter& painter, QStringView name, const ArtPlacement& placement)
{
    QSvgRenderer* svg = renderer(name);
    if (!svg)
        return;
    const QSizeF own = svg->viewBoxF().size();
    const QSizeF size(placement.width, placement.width * own.height() / own.width());

    painter.save();
    painter.translate(placement.topLeft + QPointF(size.width() / 2, size.height() / 2));
    painter.rotate(placement.turn);
    if (placement.mirrored)
        painter.scale(-1, 1);
    const QRectF whole(QPointF(-size.width() / 2, -size.height() / 2), size);
    if (placement.hiddenTop > 0)
        painter.setClipRect(whole.adjusted(0, placement.hiddenTop * size.height(), 0, 0),
                            Qt::IntersectClip);
    svg->render(&painter, whole);
    painter.restore();
}

} // namespace twindle
