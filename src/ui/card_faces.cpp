#include "card_faces.h"

#include "assets/card_size.h"
#include "assets/photo_card.h"
#include "assets/picture_canvas.h"
#include "assets/resource_catalogue.h"
#include "assets/vector_art.h"
#include "assets/window_pictures.h"
#include "assets/word_texts.h"
#include "family/family_deck.h"
#include "family/word_recordings.h"

#include <QFile>
#include <QPainter>

namespace twindle {

namespace {

// A recording of at most three seconds is far smaller; a larger file is no recording of ours.
constexpr qint64 kMostVoiceBytes = 1024 * 1024;

// The one face of every card played by ear is kept under a key no face has.
constexpr int kEarKey = 1;

QPixmap earPicture(qreal devicePixelRatio)
{
    const QSize card(kCardPixelWidth, kCardPixelHeight);
    return paintPicture(card, devicePixelRatio, [&](QPainter& painter) {
        paintVectorArtFilling(painter, u"ear_card", QRectF(QPointF(0, 0), QSizeF(card)));
    });
}

QByteArray recording(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || file.size() > kMostVoiceBytes || !file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

CardFaces::CardFaces(const family::FamilyDeck* deck, family::WordRecordings* words)
    : m_deck(deck), m_words(words)
{
}

int CardFaces::faceCount(const CardKind& kind) const
{
    if (kind.look.art != CardArt::Photo)
        return kind.faces.count;
    return m_deck ? int(m_deck->cards().size()) : 0;
}

QPixmap CardFaces::picture(const CardKind& kind, int face, bool found, qreal devicePixelRatio)
{
    if (kind.look.art == CardArt::Letter || !isUsableDevicePixelRatio(devicePixelRatio))
        return {};
    if (face == kFaceDown)
        return m_pictures.picture(PictureCache::kBackKey, devicePixelRatio,
                                  [&] { return cardBackPicture(devicePixelRatio); });
    if (kind.look.art == CardArt::Photo)
        return photo(face, devicePixelRatio);
    if (kind.look.art == CardArt::Ear && !found)
        return m_pictures.picture(kEarKey, devicePixelRatio, [&] { return earPicture(devicePixelRatio); });
    return m_pictures.picture(face, devicePixelRatio, [&] { return cardFrontPicture(face, devicePixelRatio); });
}

// A family card's picture is kept under its face, above every built-in picture's id.
QPixmap CardFaces::photo(int face, qreal devicePixelRatio)
{
    static_assert(kLastCardFront < kFirstFamilyFace);
    const auto card = std::size_t(face - kFirstFamilyFace);
    if (m_deck == nullptr || face < kFirstFamilyFace || card >= m_deck->cards().size())
        return {};
    return m_pictures.picture(face, devicePixelRatio, [&] {
        return paintPhotoCard(m_deck->cards()[card].picture, int(card), devicePixelRatio);
    });
}

QByteArray CardFaces::word(const CardKind& kind, int face) const
{
    if (kind.look.art != CardArt::Photo)
        return kind.word ? said(QString::number(kind.word(face))) : QByteArray();
    const auto card = std::size_t(face - kFirstFamilyFace);
    if (m_deck == nullptr || face < kFirstFamilyFace || card >= m_deck->cards().size())
        return {};
    return recording(m_deck->cards()[card].voice);
}

QByteArray CardFaces::cheer() const
{
    return said(kCheerWord);
}

QByteArray CardFaces::allDone() const
{
    return said(kAllDoneWord);
}

QByteArray CardFaces::said(const QString& word) const
{
    if (m_words != nullptr) {
        if (const QString voice = m_words->voice(m_wordsLanguage, word); !voice.isEmpty())
            return recording(voice);
    }
    return spokenWord(m_wordsLanguage, word);
}

QString CardFaces::wordText(const CardKind& kind, int face) const
{
    if (kind.look.art == CardArt::Letter) {
        if (face >= 'A' && face <= 'Z')
            return tr("capital %1").arg(QChar(face));
        return face >= 'a' && face <= 'z' ? tr("small %1").arg(QChar(face)) : QString();
    }
    if (kind.look.art != CardArt::Photo)
        return kind.word ? spokenWordText(kind.word(face)) : QString();
    const auto card = std::size_t(face - kFirstFamilyFace);
    if (m_deck == nullptr || face < kFirstFamilyFace || card >= m_deck->cards().size())
        return {};
    return m_deck->cards()[card].name;
}

void CardFaces::deckChanged()
{
    m_pictures.forgetFrom(kFirstFamilyFace);
}

} // namespace twindle
