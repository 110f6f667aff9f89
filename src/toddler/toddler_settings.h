#pragma once

#include "toddler/toddler_setup.h"

#include <QString>

#include <memory>

class QSettings;

namespace twindle {

// Toddler mode's settings, remembered between runs in an INI file in the user's configuration
// directory (~/.config/twindle/twindle.ini): the parent's last setup, and the level each kind of
// cards has grown to. A missing, unreadable or damaged file gives the defaults, with one line in
// the log category twindle.toddler; a value out of its range is brought into it.
class ToddlerSettings {
public:
    ToddlerSettings();
    explicit ToddlerSettings(const QString& filePath);
    ~ToddlerSettings();

    QString filePath() const;

    ToddlerSetup setup() const;
    void saveSetup(const ToddlerSetup& setup);

    // The pairs the child had grown to with this kind of cards, or 0 when not known.
    int level(Integer cardType) const;
    void saveLevel(Integer cardType, int pairs);

private:
    void checkReadable();
    void tellUnknownTexts() const;
    int number(const QString& key, int fallback) const;
    static QString keyOf(const SettingRow& row);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace twindle
