#include "window_pictures.h"

#include "window_art.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

#include <map>

namespace twindle {

namespace {

// An icon drawn from one of our drawings only at the sizes actually asked for, and only when
// they are asked for: nothing is drawn while the program starts.
class ArtIconEngine final : public QIconEngine {
public:
    explicit ArtIconEngine(QString art) : m_art(std::move(art)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        auto found = m_drawn.find({size.width(), size.height()});
        if (found == m_drawn.end())
            found = m_drawn.emplace(std::pair{size.width(), size.height()},
                                    paintArtPicture(m_art, size, 1.0)).first;
        return found->second;
    }

    // The sizes a window manager is offered for the title bar and the task switcher; the
    // desktop's launchers take the installed icons of every size instead.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(32, 32)};
    }

    QIconEngine* clone() const override { return new ArtIconEngine(m_art); }

private:
    QString m_art;
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
    return QIcon(new ArtIconEngine(QStringLiteral("twindle")));
}

QIcon aboutBoxIcon()
{
    return QIcon(new ArtIconEngine(QStringLiteral("figure_two")));
}

QCursor pointingHandCursor()
{
    // The fingertip of the drawing sits at (1, 1), pointing up and to the left. Every deal asks
    // for the pointer again, so it is drawn once.
    static const QPixmap hand = paintArtPicture(u"pointing_hand", kPointerSize, screenPixelRatio());
    return QCursor(hand, 1, 1);
}

} // namespace twindle
