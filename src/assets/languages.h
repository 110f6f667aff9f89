#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace twindle {

// The languages Twindle speaks, by codes as its translation files name them ("de", "pt_BR").
// The windows are written in English; every other language is a translation built into the
// program (translations/twindle_<code>.ts, made :/i18n/twindle_<code>.qm), so the list is read
// from what the program carries and a new .ts file adds its language everywhere at once.

inline constexpr QLatin1String kSourceLanguage{"en"};

// Every language of the windows, English among them, in the order of their codes.
QStringList windowLanguages();

// A code as a person may write it ("pt-br", "DE") in the files' form ("pt_BR", "de").
QString normalisedLanguage(const QString& code);

// Whether the windows can be in this language (a code, normalised first).
bool isWindowLanguage(const QString& code);

// The windows' language nearest to the system's (`system`'s interface languages in order, each
// first whole and then by its language alone); English when none is near.
QString systemLanguage(const QLocale& system = QLocale::system());

// The language a setting names, or the system's when it names none or one the program lacks.
QString languageOrSystem(const QString& code);

// The language as its own speakers write it, with a capital: "Deutsch", "Português (Brasil)".
QString languageName(const QString& code);

} // namespace twindle
