#include "toddler_setup.h"

namespace twindle {

ToddlerSetup ToddlerSetup::clamped() const
{
    ToddlerSetup setup = *this;
    for (const SettingRow& row : kSettingRows) {
        if (const auto* number = std::get_if<int ToddlerSetup::*>(&row.field))
            setup.*(*number) = row.range.clamp(setup.*(*number));
        else if (const auto* kind = std::get_if<Integer ToddlerSetup::*>(&row.field); kind && !findCardKind(setup.*(*kind)))
            setup.*(*kind) = ToddlerSetup{}.*(*kind);
    }
    return setup;
}

} // namespace twindle
