#pragma once

#include <QLoggingCategory>

namespace twindle {

// What toddler mode refuses and why, at info level: QT_LOGGING_RULES="twindle.toddler.info=true";
// and which family card each turned card is, the cards turned without a pointer, and which card
// the friendly animal turns, at debug
// level.
Q_DECLARE_LOGGING_CATEGORY(lcToddler)

} // namespace twindle
