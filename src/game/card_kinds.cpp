#include "card_kinds.h"

#include "game/tag_text.h"

#include <algorithm>

// Marks a kind's title for the translations: lupdate finds the titles by this name, and the
// windows translate them in the context "twindle::CardKind". The game itself knows no Qt.
#define QT_TRANSLATE_NOOP(context, text) text

namespace twindle {

namespace {

constexpr int kCaseDistance = 'a' - 'A';

// Two picture cards pair when they carry the same picture.
bool samePicture(std::string_view firstTag, std::string_view secondTag)
{
    return firstTag == secondTag;
}

// Two letter cards pair when they carry the same letter, or a capital and its own small letter
// in either order ("65" with "65", "65" with "97", "97" with "65").
bool sameLetter(std::string_view firstTag, std::string_view secondTag)
{
    if (firstTag == secondTag)
        return true;
    const auto first = tagInteger(firstTag);
    const auto second = tagInteger(secondTag);
    return first && second && (*first - kCaseDistance == *second || *first + kCaseDistance == *second);
}

int ownWord(int face)
{
    return face;
}

// "a" is called as "A" is.
int capitalsWord(int letter)
{
    return letter >= 'a' && letter <= 'z' ? letter - kCaseDistance : letter;
}

constexpr CardLook kPictureLook{CardArt::Picture, {}, {}, {}};
constexpr CardLook kPhotoLook{CardArt::Photo, {}, {}, {}};
constexpr CardLook kEarLook{CardArt::Ear, {}, {}, {}};
constexpr CardLook kLetterLook{CardArt::Letter, "?", "prettyblue", "dove"};
constexpr FaceRange kCapitals{'A', 26, 0};

// The family's photos come and go: their count is the program's (FaceCounts).
constexpr CardKind kKinds[] = {
    {kPictureCards, "pictures", QT_TRANSLATE_NOOP("twindle::CardKind", "Pictures"), &MainForm::card,
     {kFirstCardFront, kCardFrontCount, 0}, samePicture, kPictureLook, true, {kFirstCardFront, kFirstCardFront},
     ownWord},
    {kSameCapitals, "capitals", QT_TRANSLATE_NOOP("twindle::CardKind", "Letters: A and A"), &MainForm::capCard,
     kCapitals, sameLetter, kLetterLook, true, {'A', 'A'}, capitalsWord},
    {kCapitalAndSmall, "capital-small", QT_TRANSLATE_NOOP("twindle::CardKind", "Letters: A and a"),
     &MainForm::capCard, {'A', 26, kCaseDistance}, sameLetter, kLetterLook, true, {'A', 'a'}, capitalsWord},
    {kFamilyPhotos, "family", QT_TRANSLATE_NOOP("twindle::CardKind", "Family photos"), &MainForm::card,
     {kFirstFamilyFace, 0, 0}, samePicture, kPhotoLook, false, {}, ownWord},
    // Played by ear: the pictures' faces, each saying its word, all looking alike.
    {kByEar, "by-ear", QT_TRANSLATE_NOOP("twindle::CardKind", "By ear: cards alike, told apart by their words"),
     &MainForm::card, {kFirstCardFront, kCardFrontCount, 0}, samePicture, kEarLook, false, {}, ownWord, true},
};

} // namespace

std::span<const CardKind> cardKinds()
{
    return kKinds;
}

const CardKind* findCardKind(Integer cardType)
{
    const auto found = std::ranges::find(kKinds, cardType, &CardKind::cardType);
    return found == std::end(kKinds) ? nullptr : &*found;
}

const CardKind* findCardKind(std::string_view name)
{
    const auto found = std::ranges::find(kKinds, name, &CardKind::name);
    return found == std::end(kKinds) ? nullptr : &*found;
}

} // namespace twindle
