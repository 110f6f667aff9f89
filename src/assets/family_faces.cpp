#include "family_faces.h"

#include "card_faces.h"
#include "card_painter.h"
#include "card_size.h"
#include "game/card_kinds.h"
#include "picture_cache.h"
#include "picture_canvas.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>

#include <array>

namespace twindle {

namespace {

// The deck's files give way to a new deck's; the pictures of an older deck are kept under keys
// of their own, so that none is shown for a card it no longer is.
std::vector<FamilyFaceFiles> g_faces;
int g_deck = 0;
constexpr int kKeysPerDeck = 1000;
static_assert(kLastCardFront < kKeysPerDeck);

// A recording of at most three seconds is far smaller; a larger file is no recording of ours.
constexpr qint64 kMostVoiceBytes = 1024 * 1024;
// Card pictures are 729 x 990; the reader may not be talked into more.
constexpr int kReaderMegabytes = 16;

const FamilyFaceFiles* filesOf(int face)
{
    const int index = face - kFirstFamilyFace;
    return index >= 0 && index < int(g_faces.size()) ? &g_faces[std::size_t(index)] : nullptr;
}

QColor frameOf(int face)
{
    static constexpr std::array kFrames{cardFrames::kBlue, cardFrames::kOrange, cardFrames::kGreen,
                                        cardFrames::kPurple, cardFrames::kRed, cardFrames::kTeal,
                                        cardFrames::kGold, cardFrames::kPink, cardFrames::kIndigo};
    return QColor::fromRgb(kFrames[std::size_t(face - kFirstFamilyFace) % kFrames.size()]);
}

QPixmap paintFamilyFront(int key, qreal devicePixelRatio)
{
    const int face = key % kKeysPerDeck + kFirstFamilyFace;
    const FamilyFaceFiles* files = filesOf(face);
    const QRectF inside(kCardFrameWidth, kCardFrameWidth, kCardPixelWidth - 2 * kCardFrameWidth,
                        kCardPixelHeight - 2 * kCardFrameWidth);
    QImageReader reader(files->picture);
    reader.setAllocationLimit(kReaderMegabytes);
    reader.setScaledSize(devicePixelSize(inside.size().toSize(), devicePixelRatio));
    const QImage photo = reader.read();
    if (photo.isNull())
        return {};
    return paintPicture(QSize(kCardPixelWidth, kCardPixelHeight), devicePixelRatio, [&](QPainter& painter) {
        paintFramedCard(painter, frameOf(face));
        painter.drawImage(inside, photo);
    });
}

} // namespace

void setFamilyFaces(std::vector<FamilyFaceFiles> faces)
{
    g_faces = std::move(faces);
    ++g_deck;
}

QPixmap familyFacePicture(int face, qreal devicePixelRatio)
{
    if (filesOf(face) == nullptr || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    // Above every card front's id, which are below kKeysPerDeck.
    const int key = (g_deck + 1) * kKeysPerDeck + (face - kFirstFamilyFace);
    return cachedPicture(key, devicePixelRatio, paintFamilyFront);
}

QByteArray familyFaceVoice(int face)
{
    const FamilyFaceFiles* files = filesOf(face);
    QFile file(files ? files->voice : QString());
    if (files == nullptr || files->voice.isEmpty() || file.size() > kMostVoiceBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace twindle
