// Plays the game model through whatever sequence of events the fuzzer makes up (see
// tests/game/game_events.h); a broken rule aborts, and the input that broke it is kept.

#include "game_events.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const twindle::test::GameEventsRun run = twindle::test::playGameEvents(std::span(data, size));
    if (run.broken) {
        std::fprintf(stderr, "game_events_fuzzer: %s\n", run.broken->c_str());
        std::abort();
    }
    return 0;
}
