#include "window_pictures.h"

#include "window_art.h"

#include <QGuiApplication>

namespace twindle {

namespace {

constexpr QSize kIconSize(32, 32);

// An icon drawn from one of our drawings at the sizes desktops ask for; the larger ones serve
// high-density screens too.
QIcon iconFromArt(QStringView art)
{
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(paintArtPicture(art, QSize(side, side), 1.0));
    return icon;
}

qreal screenPixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QIcon programIcon()
{
    return iconFromArt(u"twindle");
}

QCursor pointingHandCursor()
{
    // The fingertip of the drawing sits at (1, 1), pointing up and to the left.
    return QCursor(paintArtPicture(u"pointing_hand", kIconSize, screenPixelRatio()), 1, 1);
}

QIcon aboutBoxIcon()
{
    return iconFromArt(u"figure_two");
}

} // namespace twindle
