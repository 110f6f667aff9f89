#include "application_setup.h"

#include "assets/fonts.h"
#include "ui/board_style.h"

#include <QApplication>
#include <QPixmapCache>

namespace twindle {

namespace {
// The style keeps pictures of the dialogs' buttons; the dialogs are built afresh at every
// opening, so a large cache would only fill up with pictures of dialogs long closed.
constexpr int kStylePictureCacheKilobytes = 1024;
} // namespace

void setUpApplication()
{
    QApplication::setApplicationName(QStringLiteral("twindle"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setStyle(new BoardStyle);
    QApplication::setFont(arialFont(9));
    QPixmapCache::setCacheLimit(kStylePictureCacheKilobytes);
}

} // namespace twindle
