#include "family_commands.h"

#include "family/voice_clip.h"
#include "game/board_grid.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace twindle::family {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(twindle::family::FamilyCommands)
};

constexpr int kDone = 0;
constexpr int kRefused = 2;

const QString kAdd = QStringLiteral("add-family-card");
const QString kList = QStringLiteral("list-family-cards");
const QString kRemove = QStringLiteral("remove-family-card");
const QString kName = QStringLiteral("name");
const QString kVoice = QStringLiteral("voice");

int refuse(QTextStream& err, const QString& why)
{
    err << why << Qt::endl;
    return kRefused;
}

QString pairs(const FamilyDeck& deck)
{
    return Text::tr("%1 family cards, games of up to %2 pairs")
        .arg(deck.cards().size())
        .arg(std::min(int(deck.cards().size()), kMostPairs));
}

int add(FamilyDeck& deck, const QCommandLineParser& options, QTextStream& out, QTextStream& err)
{
    if (!options.isSet(kName))
        return refuse(err, Text::tr("A new card needs a name: --name NAME."));
    const QString name = options.value(kName).trimmed();
    QByteArray voice;
    if (options.isSet(kVoice)) {
        const Checked<QByteArray> clip = voiceClipFromFile(options.value(kVoice));
        if (!clip.ok())
            return refuse(err, clip.error);
        voice = clip.value;
    }
    if (const QString error = deck.addFromFile(name, options.value(kAdd), CropFrame{}, voice); !error.isEmpty())
        return refuse(err, error);
    out << Text::tr("Added “%1”: %2.").arg(name, pairs(deck)) << Qt::endl;
    return kDone;
}

int list(FamilyDeck& deck, QTextStream& out, QTextStream& err)
{
    for (const QString& problem : deck.load())
        err << problem << Qt::endl;
    for (const FamilyCard& card : deck.cards())
        out << card.name << '\t' << (card.voice.isEmpty() ? "silent" : "voice") << Qt::endl;
    return kDone;
}

int remove(FamilyDeck& deck, const QString& name, QTextStream& out, QTextStream& err)
{
    if (const QString error = deck.remove(name); !error.isEmpty())
        return refuse(err, error);
    out << Text::tr("Removed “%1”: %2.").arg(name.trimmed(), pairs(deck)) << Qt::endl;
    return kDone;
}

} // namespace

bool isFamilyCommand(const QStringList& arguments)
{
    return std::ranges::any_of(arguments, [](const QString& argument) {
        return argument == QStringLiteral("--") + kAdd || argument == QStringLiteral("--") + kList
               || argument == QStringLiteral("--") + kRemove;
    });
}

int runFamilyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    FamilyDeck deck;
    return runFamilyCommand(arguments, deck, out, err);
}

int runFamilyCommand(const QStringList& arguments, FamilyDeck& deck, QTextStream& out, QTextStream& err)
{
    QCommandLineParser options;
    options.addOptions({{kAdd, QString(), QStringLiteral("PHOTO")},
                        {kName, QString(), QStringLiteral("NAME")},
                        {kVoice, QString(), QStringLiteral("WAV")},
                        {kList, QString()},
                        {kRemove, QString(), QStringLiteral("NAME")}});
    if (!options.parse(arguments))
        return refuse(err, options.errorText());
    const int verbs = int(options.isSet(kAdd)) + int(options.isSet(kList)) + int(options.isSet(kRemove));
    if (verbs != 1 || !options.positionalArguments().isEmpty())
        return refuse(err, Text::tr("Give one of --add-family-card PHOTO --name NAME [--voice WAV], "
                                    "--list-family-cards or --remove-family-card NAME."));
    if (!options.isSet(kAdd) && (options.isSet(kName) || options.isSet(kVoice)))
        return refuse(err, Text::tr("--name and --voice go with --add-family-card."));
    if (options.isSet(kAdd))
        return add(deck, options, out, err);
    if (options.isSet(kRemove))
        return remove(deck, options.value(kRemove), out, err);
    return list(deck, out, err);
}

} // namespace twindle::family
