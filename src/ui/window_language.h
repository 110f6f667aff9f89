#pragma once

#include <QString>

namespace twindle {

// Puts the windows in a language of assets/languages.h (English for a code the program lacks):
// Twindle's translation and Qt's own for its standard dialogs, both built into the program,
// replace those in use; the default locale and the layout direction follow, right to left for
// Hebrew. Open windows are told by Qt's LanguageChange event; windows made later are made in the
// language. The translations belong to the application object, so they end with it. Needs an
// application object; a QCoreApplication (the command line's help) gets the texts alone.
void useWindowLanguage(const QString& code);

// The language the windows are in: the last one used, else English.
QString windowLanguage();

} // namespace twindle
