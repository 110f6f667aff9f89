#include "animals.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <array>

namespace twindle {

namespace {

// Pictures of one whole animal only: not the dinosaur with a rider, and one of each pair of
// lookalikes (the pig, not the piggy; the ladybug, not the little one).
constexpr std::array kAnimals{
    Animal{131, "kitty", QT_TRANSLATE_NOOP("Animals", "Kitty")},
    Animal{122, "penguin", QT_TRANSLATE_NOOP("Animals", "Penguin")},
    Animal{121, "lion", QT_TRANSLATE_NOOP("Animals", "Lion")},
    Animal{113, "elephant", QT_TRANSLATE_NOOP("Animals", "Elephant")},
    Animal{116, "giraffe", QT_TRANSLATE_NOOP("Animals", "Giraffe")},
    Animal{130, "zebra", QT_TRANSLATE_NOOP("Animals", "Zebra")},
    Animal{112, "duck", QT_TRANSLATE_NOOP("Animals", "Duck")},
    Animal{115, "froggy", QT_TRANSLATE_NOOP("Animals", "Froggy")},
    Animal{110, "dolphin", QT_TRANSLATE_NOOP("Animals", "Dolphin")},
    Animal{120, "ladybug", QT_TRANSLATE_NOOP("Animals", "Ladybug")},
    Animal{133, "butterfly", QT_TRANSLATE_NOOP("Animals", "Butterfly")},
    Animal{118, "kangaroo", QT_TRANSLATE_NOOP("Animals", "Kangaroo")},
    Animal{107, "deer", QT_TRANSLATE_NOOP("Animals", "Deer")},
    Animal{123, "pig", QT_TRANSLATE_NOOP("Animals", "Pig")},
    Animal{127, "squirrel", QT_TRANSLATE_NOOP("Animals", "Squirrel")},
    Animal{134, "eagle", QT_TRANSLATE_NOOP("Animals", "Eagle")},
    Animal{141, "rooster", QT_TRANSLATE_NOOP("Animals", "Rooster")},
    Animal{114, "mammoth", QT_TRANSLATE_NOOP("Animals", "Mammoth")},
    Animal{117, "horsey", QT_TRANSLATE_NOOP("Animals", "Horsey")},
};

} // namespace

std::span<const Animal> animals()
{
    return kAnimals;
}

const Animal* findAnimal(QStringView word)
{
    const auto match = std::ranges::find_if(kAnimals, [word](const Animal& animal) {
        return word == QLatin1String(animal.word.data(), qsizetype(animal.word.size()));
    });
    return match == kAnimals.end() ? nullptr : &*match;
}

QString animalName(const Animal& animal)
{
    return QCoreApplication::translate("Animals", animal.name);
}

bool isAnimalOrNone(const QString& word)
{
    return word.isEmpty() || findAnimal(word) != nullptr;
}

QString animalWords()
{
    QStringList words;
    for (const Animal& animal : kAnimals)
        words << QLatin1String(animal.word.data(), qsizetype(animal.word.size()));
    const QString last = words.takeLast();
    return words.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace twindle
