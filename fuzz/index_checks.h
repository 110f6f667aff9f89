#pragma once

// What the fuzzers of the family folder's two indexes require of any index they read.

#include "family/family_index.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace twindle::family {

// Ends the run, telling what went wrong, unless `holds`.
inline void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "index fuzzer: %s\n", what);
        std::abort();
    }
}

// Skipped lines are numbered within the text, in order, each with a reason.
inline void checkSkippedLines(const std::vector<SkippedLine>& skipped, std::string_view text)
{
    const std::size_t lines = std::size_t(std::count(text.begin(), text.end(), '\n')) + 1;
    std::size_t previous = 0;
    for (const SkippedLine& line : skipped) {
        require(line.line > previous && line.line <= lines, "a skipped line out of order or past the text");
        require(!line.reason.empty(), "a line skipped without a reason");
        previous = line.line;
    }
}

} // namespace twindle::family
