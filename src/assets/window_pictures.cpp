#include "window_pictures.h"

#include "window_art.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QResource>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>

namespace twindle {

namespace {

// The pixels of a square picture drawn at build time (src/assets/pictures.cmake), premultiplied
// ARGB as QImage holds them; null unless the resource holds a square of that side.
QPixmap readyDrawn(const QString& resource, int side)
{
    const QResource file(resource);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    const QByteArray pixels = file.uncompressedData();
    if (pixels.size() != image.sizeInBytes())
        return {};
    std::memcpy(image.bits(), pixels.constData(), std::size_t(pixels.size()));
    return QPixmap::fromImage(image);
}

// An icon drawn from one of our drawings when a size is first asked for. The window manager is
// offered 32 and 16 pixels; the smaller one is the larger scaled down, which looks the same and
// spares a second drawing. The 32 pixels may come ready drawn at build time from the same
// drawing, so that the icon at its usual sizes needs no Qt SVG; other sizes, such as those of a
// high-density screen, are drawn.
class ArtIconEngine final : public QIconEngine {
public:
    explicit ArtIconEngine(QString art, QString largeDrawn = {})
        : m_art(std::move(art)), m_largeDrawn(std::move(largeDrawn))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        auto found = m_drawn.find({size.width(), size.height()});
        if (found == m_drawn.end())
            found = m_drawn.emplace(std::pair{size.width(), size.height()},
                                    draw(size, mode, state)).first;
        return found->second;
    }

    // The sizes a window manager is offered for the title bar and the task switcher; the
    // desktop's launchers take the installed icons of every size instead.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {kLargeIcon, kSmallIcon};
    }

    QIconEngine* clone() const override { return new ArtIconEngine(m_art, m_largeDrawn); }

private:
    static constexpr QSize kLargeIcon{32, 32};
    static constexpr QSize kSmallIcon{16, 16};

    QPixmap draw(const QSize& size, QIcon::Mode mode, QIcon::State state)
    {
        if (size == kSmallIcon) {
            return pixmap(kLargeIcon, mode, state)
                .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (size == kLargeIcon && !m_largeDrawn.isEmpty())
            return readyDrawn(m_largeDrawn, kLargeIcon.width());
        return paintArtPicture(m_art, size, 1.0);
    }

    QString m_art;
    QString m_largeDrawn;
    std::map<std::pair<int, int>, QPixmap> m_drawn;
};

constexpr QSize kPointerSize(32, 32);

qreal screenPixelRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

} // namespace

QIcon programIcon()
{
    return QIcon(new ArtIconEngine(QStringLiteral("twindle"),
                                   QStringLiteral(":/window_icon/twindle-32.argb")));
}

QIcon aboutBoxIcon()
{
    return QIcon(new ArtIconEngine(QStringLiteral("figure_two")));
}

QCursor pointingHandCursor(qreal scale)
{
    // The fingertip of the drawing sits at (1, 1), pointing up and to the left.
    constexpr qreal kLargestScale = 4;
    scale = std::clamp(scale, qreal(1), kLargestScale);
    const QSize size = (QSizeF(kPointerSize) * scale).toSize();
    const int fingertip = int(std::lround(scale));
    return QCursor(paintArtPicture(u"pointing_hand", size, screenPixelRatio()), fingertip, fingertip);
}

} // namespace twindle
