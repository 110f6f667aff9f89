// How long a deal of 18 cards takes: with the real clock, and with a clock that stands still
// (the reseed before every draw must keep the deal moving even then).
#include "game/game.h"
#include "toolkit/core/random_source.h"

#include <benchmark/benchmark.h>

namespace {

class NoEffects : public twindle::BoardEffects {
public:
    void playSound(std::string_view, int) override {}
    void celebrationEnded() override {}
};

void dealEighteen(benchmark::State& state, twindle::RandomSource& random)
{
    NoEffects effects;
    twindle::Game game(random, effects);
    game.Form_Load();
    for (auto _ : state) {
        game.dealGame(twindle::Integer(state.range(0)), 18);
        benchmark::DoNotOptimize(game.form().card[0].Tag.data());
        benchmark::DoNotOptimize(game.form().capCard[0].Tag.data());
    }
}

void BM_DealEighteenRealClock(benchmark::State& state)
{
    twindle::ClockMixedRandom random;
    dealEighteen(state, random);
}

void BM_DealEighteenFrozenClock(benchmark::State& state)
{
    twindle::ClockMixedRandom random([] { return std::uint64_t{1234567}; });
    dealEighteen(state, random);
}

// The argument is the kind of cards: pictures, same capitals, capital and small letter.
BENCHMARK(BM_DealEighteenRealClock)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DealEighteenFrozenClock)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
