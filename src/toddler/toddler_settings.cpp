#include "toddler_settings.h"

#include "game/card_kinds.h"
#include "toddler/toddler_log.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace twindle {

namespace {

QString nameOf(Integer cardType)
{
    const CardKind* kind = findCardKind(cardType);
    const std::string_view name = kind ? kind->name : cardKinds().front().name;
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

} // namespace

ToddlerSettings::ToddlerSettings()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QStringLiteral("twindle"), QStringLiteral("twindle")))
{
    checkReadable();
}

ToddlerSettings::ToddlerSettings(const QString& filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
    checkReadable();
}

ToddlerSettings::~ToddlerSettings() = default;

// A file that cannot be read is told once and read as empty; the next choice saved replaces it
// where it can be written. A file of junk may read as an INI file of junk keys: one that holds
// nothing this program wrote counts as damaged too.
void ToddlerSettings::checkReadable()
{
    // QSettings parses a section of its file only when a key of that section is asked for, and
    // only then knows that it is damaged; a file it may not open it tells at once. Listing every
    // key parses them all.
    m_settings->allKeys();
    const QSettings::Status status = m_settings->status();
    const bool ours = std::ranges::any_of(m_settings->childGroups(), [](const QString& group) {
        return group == QLatin1String("toddler") || group == QLatin1String("levels");
    });
    const bool junk = !ours && QFileInfo(m_settings->fileName()).size() > 0;
    if (status == QSettings::NoError && !junk)
        return;
    qCWarning(lcToddler).noquote() << "could not read the settings in" << m_settings->fileName()
                                   << (status == QSettings::AccessError ? "(unreadable);" : "(damaged);")
                                   << "toddler mode starts with its defaults";
    m_settings->clear();
}

QString ToddlerSettings::filePath() const
{
    return m_settings->fileName();
}

int ToddlerSettings::number(const QString& key, int fallback) const
{
    bool ok = false;
    const int value = m_settings->value(key).toInt(&ok);
    return ok ? value : fallback;
}

ToddlerSetup ToddlerSettings::setup() const
{
    const ToddlerSetup defaults;
    ToddlerSetup setup;
    const CardKind* kind = findCardKind(m_settings->value(QStringLiteral("toddler/kind")).toString().toStdString());
    setup.cardType = kind ? kind->cardType : defaults.cardType;
    setup.startPairs = number(QStringLiteral("toddler/startPairs"), defaults.startPairs);
    setup.grows = m_settings->value(QStringLiteral("toddler/grows"), defaults.grows).toBool();
    setup.voice = m_settings->value(QStringLiteral("toddler/voice"), defaults.voice).toBool();
    setup.voiceVolume = number(QStringLiteral("toddler/voiceVolume"), defaults.voiceVolume);
    setup.soundVolume = number(QStringLiteral("toddler/soundVolume"), defaults.soundVolume);
    setup.minutes = number(QStringLiteral("toddler/minutes"), defaults.minutes);
    return setup.clamped();
}

void ToddlerSettings::saveSetup(const ToddlerSetup& setup)
{
    const ToddlerSetup kept = setup.clamped();
    m_settings->setValue(QStringLiteral("toddler/kind"), nameOf(kept.cardType));
    m_settings->setValue(QStringLiteral("toddler/startPairs"), kept.startPairs);
    m_settings->setValue(QStringLiteral("toddler/grows"), kept.grows);
    m_settings->setValue(QStringLiteral("toddler/voice"), kept.voice);
    m_settings->setValue(QStringLiteral("toddler/voiceVolume"), kept.voiceVolume);
    m_settings->setValue(QStringLiteral("toddler/soundVolume"), kept.soundVolume);
    m_settings->setValue(QStringLiteral("toddler/minutes"), kept.minutes);
    m_settings->sync();
}

int ToddlerSettings::level(Integer cardType) const
{
    const int pairs = number(QStringLiteral("levels/") + nameOf(cardType), 0);
    return pairs >= ToddlerSetup::kFewestPairs && pairs <= ToddlerSetup::kMostPairs ? pairs : 0;
}

void ToddlerSettings::saveLevel(Integer cardType, int pairs)
{
    m_settings->setValue(QStringLiteral("levels/") + nameOf(cardType), pairs);
    m_settings->sync();
}

} // namespace twindle
