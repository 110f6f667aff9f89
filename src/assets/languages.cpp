#include "languages.h"

#include <QResource>

#include <algorithm>

namespace twindle {

namespace {

const QString kTranslationFolder = QStringLiteral(":/i18n");
const QString kPrefix = QStringLiteral("twindle_");
const QString kSuffix = QStringLiteral(".qm");

// This runs at every start, so the translations are listed from the resource tree alone: QDir
// would read the head of every file's data (and match a name filter with a regular expression),
// which kept the pages of every translation and of PCRE in the idle program's memory.
class ResourceFolder : public QResource {
public:
    using QResource::QResource;
    using QResource::children;
};

QStringList listWindowLanguages()
{
    QStringList codes{kSourceLanguage};
    for (const QString& file : ResourceFolder(kTranslationFolder).children()) {
        if (file.startsWith(kPrefix) && file.endsWith(kSuffix))
            codes << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    }
    std::ranges::sort(codes);
    return codes;
}

} // namespace

QStringList windowLanguages()
{
    // Built into the program, so listed once, though every start asks several times.
    static const QStringList codes = listWindowLanguages();
    return codes;
}

QString normalisedLanguage(const QString& code)
{
    // Both spellings of a country: "pt-BR" (the web's) and "pt_BR" (the system's), split by hand
    // for the reason above.
    QString spelled = code.trimmed();
    const QStringList parts = spelled.replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'));
    if (parts.size() == 1)
        return parts.front().toLower();
    if (parts.size() == 2)
        return parts.front().toLower() + QLatin1Char('_') + parts.back().toUpper();
    return code;
}

bool isWindowLanguage(const QString& code)
{
    return !code.isEmpty() && windowLanguages().contains(normalisedLanguage(code));
}

QString systemLanguage(const QLocale& system)
{
    const QStringList ours = windowLanguages();
    for (const QString& wanted : system.uiLanguages()) {
        const QString code = normalisedLanguage(wanted);
        if (ours.contains(code))
            return code;
        const QString language = code.section(QLatin1Char('_'), 0, 0);
        const auto sameLanguage = std::ranges::find_if(
            ours, [&](const QString& our) { return our.section(QLatin1Char('_'), 0, 0) == language; });
        if (sameLanguage != ours.end())
            return *sameLanguage;
    }
    return kSourceLanguage;
}

QString languageOrSystem(const QString& code)
{
    return isWindowLanguage(code) ? normalisedLanguage(code) : systemLanguage();
}

QString languageName(const QString& code)
{
    const QLocale locale(code);
    QString name = locale.nativeLanguageName();
    if (code.contains(QLatin1Char('_')))
        name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    return name.isEmpty() ? code : locale.toUpper(name.left(1)) + name.mid(1);
}

} // namespace twindle
