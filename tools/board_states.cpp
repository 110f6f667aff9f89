// Renders 96 states of the board at its own size into a folder as PNG files, from games dealt by
// a random source on a fixed clock, so that two builds can be compared pixel for pixel
// (`compare -metric AE`): every kind and count dealt, one card up, a mismatch up, a pair found;
// then for every kind with found pairs leaving or staying, the celebration.
// Usage: board_states FOLDER
#include "assets/fonts.h"
#include "game/game.h"
#include "game/tag_text.h"
#include "toolkit/core/random_source.h"
#include "ui/application_setup.h"
#include "ui/board_geometry.h"
#include "ui/board_view.h"
#include "ui/card_faces.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

using namespace twindle;

struct NoEffects : BoardEffects {
    void playSound(std::string_view, int) override {}
    void celebrationEnded() override {}
};

bool twins(const Game& game, int a, int b)
{
    const auto x = tagInteger(game.cards()[std::size_t(a)].Tag);
    const auto y = tagInteger(game.cards()[std::size_t(b)].Tag);
    return x && y && *x != 3 && (*x == *y || *x - *y == 32 || *y - *x == 32);
}

int twinOf(const Game& game, int card)
{
    int other = 0;
    while (other == card || !twins(game, card, other))
        ++other;
    return other;
}

// The board of one game model, and where its pictures go.
class StateShots {
public:
    explicit StateShots(const QDir& folder) : m_folder(folder)
    {
        m_game.Form_Load();
        m_board.resize(BoardGeometry::naturalSize());
    }

    int taken() const { return m_taken; }

    // Every kind and count: dealt, one card up, a mismatch up, a pair found.
    void playEveryCount(Integer kind)
    {
        for (int count = 8; count <= 18; count += 2) {
            dealWithCardsDisappear(kind, Integer(count), (count / 2 + kind) % 2 == 0);
            shot("dealt");
            int other = 1;
            while (twins(m_game, 0, other))
                ++other;
            m_game.card_Click(0);
            shot("one-up");
            m_game.card_Click(Integer(other));
            shot("mismatch");
            m_game.fireTimer(GameTimer::PairNoMatch);
            findPairOf(0);
            shot("matched");
        }
    }

    // A game of 8 won, and four moments of its celebration.
    void celebrate(Integer kind, bool cardsDisappear)
    {
        dealWithCardsDisappear(kind, 8, cardsDisappear);
        for (int card = 0; card < 8; ++card) {
            if (isInPlay(m_game.cards()[std::size_t(card)].Tag))
                findPairOf(card);
        }
        for (int tick = 1; tick <= 23; ++tick) {
            m_game.fireTimer(GameTimer::YouDidIt);
            if (tick == 1 || tick == 11 || tick == 22 || tick == 23)
                shot("celebration");
        }
    }

private:
    // Found pairs of the last game settle the option until the next deal.
    void dealWithCardsDisappear(Integer kind, Integer count, bool cardsDisappear)
    {
        m_game.dealGame(kind, count);
        m_game.setOptions(cardsDisappear, false);
        m_game.dealGame(kind, count);
    }

    void findPairOf(int card)
    {
        m_game.card_Click(Integer(card));
        m_game.card_Click(Integer(twinOf(m_game, card)));
        m_game.fireTimer(GameTimer::PairMatch);
    }

    void shot(const char* what)
    {
        m_board.grab().toImage().save(m_folder.filePath(QString::asprintf("%02d-%s.png", m_taken++, what)));
    }

    QDir m_folder;
    std::uint64_t m_ticks = 0;
    ClockMixedRandom m_random{[this] { return ++m_ticks; }};
    NoEffects m_effects;
    CardFaces m_faces;
    Game m_game{m_random, m_effects, m_faces};
    BoardView m_board{m_game, m_faces};
    int m_taken = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    useOnlyBuiltInFonts();
    QApplication app(argc, argv);
    setUpApplication();
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        return 2;
    StateShots shots{QDir(QString::fromLocal8Bit(argv[1]))};
    for (const Integer kind : {kPictureCards, kSameCapitals, kCapitalAndSmall})
        shots.playEveryCount(kind);
    for (const Integer kind : {kPictureCards, kSameCapitals, kCapitalAndSmall}) {
        shots.celebrate(kind, true);
        shots.celebrate(kind, false);
    }
    std::printf("%d states in %s\n", shots.taken(), argv[1]);
    return 0;
}
