// The twindle_svg module: the drawings drawn by Qt SVG, loaded at the program's first picture.
#include "assets/art_renderer.h"

#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace twindle {

namespace {

// Parsed afresh at every use: parsing costs about a tenth of a millisecond, while a parsed
// drawing kept for good holds on to every path it has ever drawn. The card pictures themselves
// are kept, drawn, by the picture cache.
std::unique_ptr<QSvgRenderer> parse(QStringView name)
{
    auto svg = std::make_unique<QSvgRenderer>(QStringLiteral(":/art/%1.svg").arg(name));
    if (!svg->isValid())
        return nullptr;
    return svg;
}

class SvgArtRenderer final : public ArtRenderer {
public:
    void paint(QPainter& painter, QStringView name, const ArtPlacement& placement) override
    {
        const std::unique_ptr<QSvgRenderer> svg = parse(name);
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

    bool paintFilling(QPainter& painter, QStringView name, const QRectF& bounds) override
    {
        const std::unique_ptr<QSvgRenderer> svg = parse(name);
        if (!svg)
            return false;
        svg->render(&painter, bounds);
        return true;
    }
};

} // namespace

} // namespace twindle

extern "C" Q_DECL_EXPORT twindle::ArtRenderer* twindleCreateArtRenderer()
{
    return new twindle::SvgArtRenderer;
}
