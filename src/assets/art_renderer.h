#pragma once

#include "vector_art.h"

namespace twindle {

// What draws the drawings of vector_art.h: Qt SVG, in the module twindle_svg, which the program
// loads at its first picture (vector_art.cpp). Linked into the program, Qt SVG would be loaded,
// and its symbols and the program's calls into it bound, at every start, though the first frame
// draws no picture.
class ArtRenderer {
public:
    virtual ~ArtRenderer() = default;

    virtual void paint(QPainter& painter, QStringView name, const ArtPlacement& placement) = 0;
    virtual bool paintFilling(QPainter& painter, QStringView name, const QRectF& bounds) = 0;
};

// The module's entry point: a function taking nothing and returning a new ArtRenderer that the
// caller owns.
inline constexpr const char* kArtModuleEntry = "twindleCreateArtRenderer";

} // namespace twindle
