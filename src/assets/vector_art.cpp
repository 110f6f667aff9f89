#include "vector_art.h"

#include "assets/art_renderer.h"
#include "toolkit/core/program_module.h"

#include <QLoggingCategory>

#include <memory>

namespace twindle {

namespace {

Q_LOGGING_CATEGORY(lcPictures, "twindle.pictures", QtWarningMsg)

// Loaded at the first drawing and kept for the run. Without the module every picture stays
// blank, and the log says why once.
ArtRenderer* renderer()
{
    static const std::unique_ptr<ArtRenderer> loaded = [] {
        auto made = makeInModule<ArtRenderer>(QStringLiteral("twindle_svg"), kArtModuleEntry);
        if (!made)
            qCWarning(lcPictures) << "no pictures can be drawn: lib/twindle/twindle_svg is missing";
        return made;
    }();
    return loaded.get();
}

} // namespace

void paintVectorArt(QPainter& painter, QStringView name, const ArtPlacement& placement)
{
    if (ArtRenderer* art = renderer())
        art->paint(painter, name, placement);
}

bool paintVectorArtFilling(QPainter& painter, QStringView name, const QRectF& bounds)
{
    ArtRenderer* art = renderer();
    return art != nullptr && art->paintFilling(painter, name, bounds);
}

} // namespace twindle
