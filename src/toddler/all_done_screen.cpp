#include "all_done_screen.h"

#include "assets/fonts.h"
#include "assets/named_colours.h"
#include "ui/qt_colour.h"

#include <QEvent>
#include <QPainter>

namespace twindle {

namespace {
// A quiet blue with dark letters: nothing flashes, nothing invites a click.
constexpr std::string_view kCalmColour = "powderblue";
constexpr std::string_view kInkColour = "navy";
} // namespace

AllDoneScreen::AllDoneScreen(QWidget& board)
    : QWidget(&board)
{
    setObjectName(QStringLiteral("allDoneScreen"));
    setGeometry(board.rect());
    board.installEventFilter(this);
    show();
    raise();
}

// The board may still grow into the screen after the end comes.
bool AllDoneScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == parentWidget())
        setGeometry(parentWidget()->rect());
    return false;
}

void AllDoneScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(colourFromName(kCalmColour)));
    painter.setPen(toQColor(colourFromName(kInkColour)));
    painter.setFont(arialFont(std::max(24.0, height() / 10.0)));
    painter.drawText(rect(), Qt::AlignCenter, tr("All done!"));
}

} // namespace twindle
