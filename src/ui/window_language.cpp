#include "window_language.h"

#include "assets/languages.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <QTranslator>

namespace twindle {

namespace {

// The translations in use are the application object's children of this name; it holds the
// language they are in as a property of the same name.
const char* const kTranslationName = "twindleTranslation";

void install(const QString& file)
{
    auto* translation = new QTranslator(QCoreApplication::instance());
    translation->setObjectName(QLatin1String(kTranslationName));
    if (translation->load(file))
        QCoreApplication::installTranslator(translation);
    else
        delete translation;  // Qt's translation of a language Qt does not speak
}

} // namespace

void useWindowLanguage(const QString& requested)
{
    QCoreApplication* application = QCoreApplication::instance();
    const QString code = isWindowLanguage(requested) ? normalisedLanguage(requested) : QString(kSourceLanguage);
    for (QTranslator* old : application->findChildren<QTranslator*>(QLatin1String(kTranslationName),
                                                                   Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    if (code != kSourceLanguage) {
        install(QStringLiteral(":/i18n/qtbase_%1.qm").arg(code));
        install(QStringLiteral(":/i18n/twindle_%1.qm").arg(code));
    }
    application->setProperty(kTranslationName, code);
    const QLocale locale(code);
    QLocale::setDefault(locale);
    if (qobject_cast<QGuiApplication*>(application) != nullptr)
        QGuiApplication::setLayoutDirection(locale.textDirection());
}

QString windowLanguage()
{
    const QCoreApplication* application = QCoreApplication::instance();
    const QString code = application ? application->property(kTranslationName).toString() : QString();
    return code.isEmpty() ? QString(kSourceLanguage) : code;
}

} // namespace twindle
