#pragma once

#include <QLoggingCategory>

namespace twindle {

// What toddler mode refuses and why, at info level: QT_LOGGING_RULES="twindle.toddler.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcToddler)

} // namespace twindle
