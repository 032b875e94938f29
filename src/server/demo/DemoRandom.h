#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace server::demo {

// A small deterministic generator (SplitMix64). The demo hospital must come out
// the same on every machine and every library version, which the standard
// distributions do not promise, so every draw is computed here.
class DemoRandom {
public:
    explicit DemoRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A whole number in [0, n); 0 when n is not positive.
    int below(int n)
    {
        if (n <= 0)
            return 0;
        return static_cast<int>(next() % static_cast<std::uint64_t>(n));
    }

    // A whole number in [low, high].
    int between(int low, int high) { return low + below(high - low + 1); }

    // True in `percent` cases out of a hundred.
    bool chance(int percent) { return below(100) < percent; }

    template <typename T>
    const T& pick(const std::vector<T>& items) { return items[static_cast<size_t>(below(static_cast<int>(items.size())))]; }
    const QString& pick(const QStringList& items) { return items[below(static_cast<int>(items.size()))]; }

    // An independent generator for a sub-area, so that adding draws in one area
    // does not shift the rows of another.
    DemoRandom fork(std::uint64_t salt) { return DemoRandom(next() ^ (salt * 0xD1B54A32D192ED03ull)); }

private:
    std::uint64_t state_;
};

} // namespace server::demo
