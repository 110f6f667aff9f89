#include "toddler_setup.h"

#include "assets/languages.h"

#include <algorithm>

namespace twindle {

namespace {

// The items of a list its row accepts, as many as it holds at most.
QStringList acceptedItems(const QStringList& items, const SettingRow& row)
{
    QStringList kept;
    for (const QString& item : items) {
        if ((!row.accepts || row.accepts(item)) && kept.size() < row.range.high)
            kept << item;
    }
    return kept;
}

// A name fits on a line under its picture.
constexpr qsizetype kLongestName = 40;

} // namespace

bool isPlayerName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return !trimmed.isEmpty() && trimmed == name && name.size() <= kLongestName
           && std::ranges::none_of(name, [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool isLanguageChoice(const QString& code)
{
    return code.isEmpty() || (isWindowLanguage(code) && normalisedLanguage(code) == code);
}

ToddlerSetup ToddlerSetup::clamped() const
{
    ToddlerSetup setup = *this;
    for (const SettingRow& row : kSettingRows) {
        if (const auto* number = std::get_if<int ToddlerSetup::*>(&row.field))
            setup.*(*number) = row.range.clamp(setup.*(*number));
        else if (const auto* kind = std::get_if<Integer ToddlerSetup::*>(&row.field); kind && !findCardKind(setup.*(*kind)))
            setup.*(*kind) = ToddlerSetup{}.*(*kind);
        else if (const auto* text = std::get_if<QString ToddlerSetup::*>(&row.field); text && row.accepts
                 && !row.accepts(setup.*(*text)))
            setup.*(*text) = ToddlerSetup{}.*(*text);
        else if (const auto* list = std::get_if<QStringList ToddlerSetup::*>(&row.field))
            setup.*(*list) = acceptedItems(setup.*(*list), row);
    }
    return setup;
}

} // namespace twindle
