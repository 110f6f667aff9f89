#pragma once

#include "assets/card_front_ids.h"
#include "game/board_records.h"

#include <array>
#include <span>
#include <string_view>

namespace twindle {

// Every kind of cards the game can be played with, and all that differs between them, in one
// table: which faces a kind deals and into which card array, how two faces pair, how its cards
// look face down and face up, its sample on the new game dialog and the word a face says. The
// deal, turning, the board and the dialogs read the table; a new kind is a new row (with its art).

// CardType's values.
constexpr Integer kPictureCards = 0;
constexpr Integer kSameCapitals = 1;     // a pair is the same capital twice
constexpr Integer kCapitalAndSmall = 2;  // a pair is a capital and its small letter
constexpr Integer kFamilyPhotos = 3;     // a pair is one of the family's own photos twice
constexpr Integer kByEar = 4;            // a pair is the same word twice, the faces all alike

// The family's photos are faces 1001 on, one a photo, as many as the deck handed to the program
// holds (FaceCounts).
constexpr int kFirstFamilyFace = 1001;

// The faces a kind deals: `count` distinct faces from `first` on, and the second card of a pair
// shows its first card's face plus `twinOffset` (a small letter is its capital plus 32).
struct FaceRange {
    int first = 0;
    int count = 0;
    int twinOffset = 0;
};

// How a kind's cards are drawn; what a face looks like is the program's to say (ui/card_faces.h).
enum class CardArt {
    Picture,  // face down the card back, face up the card-front picture whose id is the face
    Letter,   // a caption on a coloured ground: the face's character when up
    Photo,    // face down the card back, face up the family's photo of that face
    Ear,      // face down the card back, face up an ear whatever the face, found its picture
};

struct CardLook {
    CardArt art = CardArt::Picture;
    // A letter card's caption face down, and its ground face down and face up, by name.
    std::string_view faceDownCaption;
    std::string_view faceDownColour;
    std::string_view faceUpColour;
};

struct CardKind {
    Integer cardType = 0;
    std::string_view name;   // as a launcher writes it: --kind pictures
    std::string_view title;  // as a parent reads it
    CardSlots MainForm::*cards = nullptr;  // the array the kind is dealt into
    FaceRange faces;
    bool (*pairs)(std::string_view firstTag, std::string_view secondTag) = nullptr;
    CardLook look;
    // The pair the new game dialog shows in small on this kind's row; a picture kind's sample is
    // our own small ladybird card whatever its faces. Kinds without a row are not offered there.
    bool inNewGameDialog = false;
    std::array<int, 2> sample{};
    // The word a card says when it turns up with this face: a picture's subject by its id, a
    // letter's name by its capital's code.
    int (*word)(int face) = nullptr;
    // Whether the cards are told apart only by their words, so that a game needs the voice.
    bool needsVoice = false;
};

// Every kind, in the order of their CardType.
std::span<const CardKind> cardKinds();

// The kind of this CardType, or of this name; nullptr when there is none.
const CardKind* findCardKind(Integer cardType);
const CardKind* findCardKind(std::string_view name);

// How many faces a kind has to deal from: as its row says, but for the family's photos, whose
// number only the deck the program is handed knows; the program answers for them.
class FaceCounts {
public:
    virtual ~FaceCounts() = default;
    virtual int faceCount(const CardKind& kind) const { return kind.faces.count; }
};

} // namespace twindle
