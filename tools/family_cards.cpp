// The family cards' command-line verbs on their own, as the game will take them, without a
// display:
//
//     family_cards --add-family-card PHOTO --name NAME [--voice WAV]
//     family_cards --list-family-cards
//     family_cards --remove-family-card NAME
//
// The deck is the game's own, in its data folder (XDG_DATA_HOME/twindle/family on Linux).

#include "app/family_commands.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // The game's name (ui/application_setup.cpp), which names its data folder.
    QCoreApplication::setApplicationName(QStringLiteral("twindle"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return twindle::family::runFamilyCommand(QCoreApplication::arguments(), out, err);
}
