// A small deterministic random generator (SplitMix64) whose sequence is the same on every platform,
// unlike the standard distributions.
#pragma once

#include <cmath>
#include <cstdint>

namespace kvx::catgen {

class Random final {
  public:
    explicit Random(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // 0 <= result < bound (bound > 0).
    int below(int bound) { return static_cast<int>(next() % static_cast<std::uint64_t>(bound)); }
    // 0 <= result < 1, 53 bits.
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
    bool chance(int percent) { return below(100) < percent; }

  private:
    std::uint64_t m_state;
};

// Seed of an independent stream for one part of the catalogue.
inline std::uint64_t streamSeed(std::uint64_t seed, std::uint64_t stream) {
    Random mixer(seed ^ (stream * 0xD1B54A32D192ED03ULL));
    return mixer.next();
}

}  // namespace kvx::catgen
