#pragma once

#include <cmath>
#include <span>

namespace twindle::test {

// Pearson's chi-square statistic of observed counts against one common expected count.
inline double chiSquare(std::span<const long> observed, double expected)
{
    double sum = 0;
    for (const long count : observed) {
        const double difference = double(count) - expected;
        sum += difference * difference / expected;
    }
    return sum;
}

// The chi-square value that an even distribution stays below with probability 0.999, by
// the Wilson-Hilferty approximation (accurate to well under 1% from 10 degrees of freedom).
inline double chiSquareLimit(int degreesOfFreedom)
{
    constexpr double kZ999 = 3.0902;
    const double k = degreesOfFreedom;
    const double spread = 2.0 / (9.0 * k);
    return k * std::pow(1.0 - spread + kZ999 * std::sqrt(spread), 3.0);
}

} // namespace twindle::test
