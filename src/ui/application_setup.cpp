#include "application_setup.h"

#include "assets/fonts.h"
#include "ui/board_accessible.h"
#include "ui/board_style.h"

#include <QAccessible>
#include <QApplication>
#include <QPixmapCache>

namespace twindle {

namespace {
// The style would keep pictures of the dialogs' buttons; but the dialogs are built afresh at
// every opening, so the cache only ever filled up with pictures of dialogs long closed, and its
// turnover kept the memory creeping up game after game. Drawing the few buttons costs nothing.
constexpr int kStylePictureCacheKilobytes = 0;
} // namespace

void setUpIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("twindle"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
}

void setUpApplication()
{
    setUpIdentity();
    QApplication::setStyle(new BoardStyle);
    QApplication::setFont(arialFont(9));
    QPixmapCache::setCacheLimit(kStylePictureCacheKilobytes);
    QAccessible::installFactory(boardAccessibleFactory);
}

} // namespace twindle
