#pragma once

#include <QString>

#include <span>
#include <string_view>

namespace twindle {

// The built-in pictures that show one animal each, which a player or the friendly animal can be:
// the card front's id, and its word as the card says it (src/assets/speech/words.tsv), which is
// also how a launcher names it (--friend penguin).
struct Animal {
    int picture = 0;
    std::string_view word;
    const char* name = nullptr;  // as a parent reads it: translated in the context "Animals"
};

// Every animal, in the order they are offered and handed out.
std::span<const Animal> animals();

// The animal of this word, or nullptr.
const Animal* findAnimal(QStringView word);

// Its name as a parent reads it, "Penguin".
QString animalName(const Animal& animal);

// The friend's choice as the settings keep it: an animal's word, or empty for no friend.
bool isAnimalOrNone(const QString& word);

// The animals' words, "kitty, penguin, ... or horsey", for a message that lists them.
QString animalWords();

} // namespace twindle
