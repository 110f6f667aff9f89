#include "app/launch_options.h"

#include "assets/languages.h"

#include <QCoreApplication>

namespace twindle {

namespace {

const QString kLanguage = QStringLiteral("language");
const QString kWordsLanguage = QStringLiteral("words-language");

void declare(QCommandLineParser& parser)
{
    const QString codes = windowLanguages().join(QStringLiteral(", "));
    parser.addOptions({
        {kLanguage,
         QCoreApplication::translate("twindle::LanguageOptions",
                                     "The windows and the parent gate in this language for this run: %1. "
                                     "Without it, the language chosen on the setup screen, else the system's.")
             .arg(codes),
         QStringLiteral("code")},
        {kWordsLanguage,
         QCoreApplication::translate("twindle::LanguageOptions",
                                     "The cards' words in this language for this run: %1. A word with no voice "
                                     "in it, built in or recorded, is silent.")
             .arg(codes),
         QStringLiteral("code")},
    });
}

// A language of the program for --`name`, or the message that says which there are.
std::optional<QString> readLanguage(const QCommandLineParser& parser, const QString& name,
                                    std::optional<QString>& language)
{
    if (!parser.isSet(name))
        return std::nullopt;
    const QString code = parser.value(name);
    if (!isWindowLanguage(code))
        return QCoreApplication::translate("twindle::LanguageOptions",
                                           "--%1 %2: Twindle has no such language; give one of %3")
            .arg(name, code, windowLanguages().join(QStringLiteral(", ")));
    language = normalisedLanguage(code);
    return std::nullopt;
}

std::optional<QString> read(const QCommandLineParser& parser, LaunchOptions& launch)
{
    if (auto wrong = readLanguage(parser, kLanguage, launch.language))
        return wrong;
    return readLanguage(parser, kWordsLanguage, launch.wordsLanguage);
}

} // namespace

const OptionGroup kLanguageOptions{declare, read};

std::optional<QString> languageAsked(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--") + kLanguage && i + 1 < arguments.size())
            return arguments[i + 1];
        if (argument.startsWith(QStringLiteral("--") + kLanguage + QLatin1Char('=')))
            return argument.section(QLatin1Char('='), 1);
    }
    return std::nullopt;
}

} // namespace twindle
