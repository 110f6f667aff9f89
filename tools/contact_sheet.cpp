// Draws every card front and the card back into one labelled grid, with the window
// pictures below, so that the pictures can be looked over together:
// contact_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]

#include "assets/card_fronts.h"
#include "assets/card_size.h"
#include "assets/fonts.h"
#include "assets/resource_catalogue.h"
#include "assets/window_pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace twindle;

constexpr int kColumns = 9;
constexpr int kCellWidth = 100;
constexpr int kCellHeight = 158;
constexpr int kMargin = 10;
constexpr int kWindowPicturesHeight = 330;

struct Entry {
    QPixmap picture;
    QString label;
};

std::vector<Entry> everyCardPicture(qreal ratio)
{
    std::vector<Entry> entries;
    for (int id = kFirstCardFront; id <= kLastCardFront; ++id) {
        const std::string_view subject = cardFront(id)->subject;
        entries.push_back({cardFrontPicture(id, ratio),
                           QStringLiteral("%1 %2").arg(id).arg(QString::fromUtf8(
                               subject.data(), qsizetype(subject.size())))});
    }
    entries.push_back({cardBackPicture(ratio), QStringLiteral("card back")});
    return entries;
}

std::vector<Entry> everyWindowPicture(qreal ratio)
{
    return {
        {programIcon().pixmap(QSize(32, 32), ratio), QStringLiteral("icon")},
        {pointingHandCursor().pixmap(), QStringLiteral("pointer")},
        {aboutBoxIcon().pixmap(QSize(32, 32), ratio), QStringLiteral("about icon")},
        {samplePictureCard(ratio), QStringLiteral("picture")},
        {sampleLetterCard(QChar('A'), ratio), QStringLiteral("A")},
        {sampleLetterCard(QChar('a'), ratio), QStringLiteral("a")},
        {samplePicture(SamplePicture::Arrow, ratio), QStringLiteral("arrow")},
        {samplePicture(SamplePicture::RowBackground, ratio), QStringLiteral("row")},
    };
}

// The small window pictures in a column on the left, each labelled, and the logo beside them.
void drawWindowPictures(QPainter& painter, QPoint origin, qreal ratio)
{
    int y = origin.y();
    int x = origin.x();
    for (const Entry& entry : everyWindowPicture(ratio)) {
        if (y + 60 > origin.y() + kWindowPicturesHeight) {
            y = origin.y();
            x += 110;
        }
        painter.drawPixmap(QPoint(x, y), entry.picture);
        painter.drawText(QPoint(x + 50, y + 14), entry.label);
        y += 60;
    }
    painter.drawPixmap(QPoint(x + 140, origin.y()), aboutLogo(ratio));
}

QImage drawSheet(const std::vector<Entry>& entries, qreal ratio)
{
    const int rows = int(entries.size() + kColumns - 1) / kColumns;
    const QSize logical(2 * kMargin + kColumns * kCellWidth,
                        2 * kMargin + rows * kCellHeight + kWindowPicturesHeight);
    QImage sheet(logical * ratio, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.fill(QColor(236, 236, 236));

    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(arialFont(7));
    for (std::size_t index = 0; index < entries.size(); ++index) {
        const QPoint cell(kMargin + int(index % kColumns) * kCellWidth,
                          kMargin + int(index / kColumns) * kCellHeight);
        const QPoint card = cell + QPoint((kCellWidth - kCardPixelWidth) / 2, 4);
        painter.drawPixmap(card, entries[index].picture);
        const QRect label(cell.x() + 2, card.y() + kCardPixelHeight + 3, kCellWidth - 4, 40);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                         entries[index].label);
    }
    drawWindowPictures(painter, QPoint(kMargin + 9, kMargin + rows * kCellHeight), ratio);
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || arguments.size() > 3) {
        std::fprintf(stderr, "usage: contact_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]\n");
        return 2;
    }
    const qreal ratio = arguments.size() == 3 ? arguments[2].toDouble() : 1.0;
    if (!(ratio > 0)) {
        std::fprintf(stderr, "contact_sheet: the device pixel ratio must be above 0\n");
        return 2;
    }

    const QImage sheet = drawSheet(everyCardPicture(ratio), ratio);
    if (!sheet.save(arguments[1])) {
        std::fprintf(stderr, "contact_sheet: cannot write %s\n", qPrintable(arguments[1]));
        return 1;
    }
    return 0;
}
