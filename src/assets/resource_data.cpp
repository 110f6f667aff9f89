#include "resource_catalogue.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>

namespace twindle {

namespace {

// The sounds; each is :/sounds/NAME.wav. The name is looked up here rather than put into a
// path, so that no name can reach another resource.
constexpr std::array kSoundNames = {"LOON", "PARTY", "BIMBLO"};

QByteArray readResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// ASCII letters, digits and '_', at least one.
bool isPlainName(const QString& text)
{
    const auto plain = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_';
    };
    return !text.isEmpty() && std::ranges::all_of(text, plain);
}

} // namespace

QByteArray soundResource(QStringView name)
{
    for (const char* sound : kSoundNames) {
        if (name == QLatin1String(sound))
            return readResource(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(sound)));
    }
    return {};
}

QStringList spokenWordNames()
{
    QStringList names;
    for (int picture = kFirstCardFront; picture <= kLastCardFront; ++picture)
        names << QString::number(picture);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        names << QString::number(int(letter));
    return names << kCheerWord << kAllDoneWord;
}

// Every word is :/speech/<language>/<name>.wav; a language or name with anything but letters,
// digits and '_' is no word, so that none can reach another resource.
QByteArray spokenWord(const QString& language, const QString& name)
{
    if (!isPlainName(language) || !isPlainName(name))
        return {};
    return readResource(QStringLiteral(":/speech/%1/%2.wav").arg(language, name));
}

QStringList spokenLanguages()
{
    return QDir(QStringLiteral(":/speech")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

} // namespace twindle
