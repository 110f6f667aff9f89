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

// How the file keeps a choice: a kind by its name, numbers and yes or no as they are.
QVariant valueOf(Integer cardType)
{
    return nameOf(cardType);
}

QVariant valueOf(int number)
{
    return number;
}

QVariant valueOf(bool yes)
{
    return yes;
}

QVariant valueOf(const QString& text)
{
    return text;
}

QVariant valueOf(const QStringList& texts)
{
    return texts;
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
    if (status == QSettings::NoError && !junk) {
        tellUnknownTexts();
        return;
    }
    qCWarning(lcToddler).noquote() << "could not read the settings in" << m_settings->fileName()
                                   << (status == QSettings::AccessError ? "(unreadable);" : "(damaged);")
                                   << "toddler mode starts with its defaults";
    m_settings->clear();
}

// A text the program does not take (a language it lacks, say) is told once, here; reading the
// setup then gives the default in its place, as it does, untold, for a text the file lacks.
void ToddlerSettings::tellUnknownTexts() const
{
    for (const SettingRow& row : kSettingRows) {
        const QString value = m_settings->value(keyOf(row)).toString();
        const bool told = std::holds_alternative<QString ToddlerSetup::*>(row.field) && m_settings->contains(keyOf(row));
        if (told && row.accepts && !row.accepts(value))
            qCWarning(lcToddler).noquote() << "the settings give" << keyOf(row) << "as" << value
                                           << "which this Twindle does not have; it keeps its default";
    }
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

QString ToddlerSettings::keyOf(const SettingRow& row)
{
    return QStringLiteral("toddler/") + QLatin1String(row.key.data(), qsizetype(row.key.size()));
}

// Each choice as its row says; what the file lacks or cannot give stays the default.
ToddlerSetup ToddlerSettings::setup() const
{
    ToddlerSetup setup;
    for (const SettingRow& row : kSettingRows) {
        const QString key = keyOf(row);
        if (const auto* kind = std::get_if<Integer ToddlerSetup::*>(&row.field)) {
            const CardKind* named = findCardKind(m_settings->value(key).toString().toStdString());
            setup.*(*kind) = named ? named->cardType : setup.*(*kind);
        } else if (const auto* whole = std::get_if<int ToddlerSetup::*>(&row.field)) {
            setup.*(*whole) = number(key, setup.*(*whole));
        } else if (const auto* yes = std::get_if<bool ToddlerSetup::*>(&row.field)) {
            setup.*(*yes) = m_settings->value(key, setup.*(*yes)).toBool();
        } else if (const auto* text = std::get_if<QString ToddlerSetup::*>(&row.field)) {
            setup.*(*text) = m_settings->value(key, setup.*(*text)).toString();
        } else if (const auto* texts = std::get_if<QStringList ToddlerSetup::*>(&row.field)) {
            setup.*(*texts) = m_settings->value(key, setup.*(*texts)).toStringList();
        }
    }
    return setup.clamped();
}

void ToddlerSettings::saveSetup(const ToddlerSetup& setup)
{
    const ToddlerSetup kept = setup.clamped();
    for (const SettingRow& row : kSettingRows) {
        std::visit([&](auto field) { m_settings->setValue(keyOf(row), valueOf(kept.*field)); }, row.field);
    }
    m_settings->sync();
}

int ToddlerSettings::level(Integer cardType) const
{
    const int pairs = number(QStringLiteral("levels/") + nameOf(cardType), 0);
    return rangeOf(&ToddlerSetup::startPairs).holds(pairs) ? pairs : 0;
}

void ToddlerSettings::saveLevel(Integer cardType, int pairs)
{
    m_settings->setValue(QStringLiteral("levels/") + nameOf(cardType), pairs);
    m_settings->sync();
}

} // namespace twindle
