#include "toddler_setup.h"

#include "assets/languages.h"

namespace twindle {

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
    }
    return setup;
}

} // namespace twindle
