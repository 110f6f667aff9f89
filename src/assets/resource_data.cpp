#include "resource_catalogue.h"

#include <QFile>

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

} // namespace

QByteArray soundResource(QStringView name)
{
    for (const char* sound : kSoundNames) {
        if (name == QLatin1String(sound))
            return readResource(QStringLiteral(":/sounds/%1.wav").arg(QLatin1String(sound)));
    }
    return {};
}

// Every word is :/speech/<number>.wav, so no number can name another resource; a number
// without a word finds no file.
QByteArray spokenWord(int word)
{
    return readResource(QStringLiteral(":/speech/%1.wav").arg(word));
}

QByteArray spokenCheer()
{
    return readResource(QStringLiteral(":/speech/cheer.wav"));
}

QByteArray spokenAllDone()
{
    return readResource(QStringLiteral(":/speech/alldone.wav"));
}

} // namespace twindle
