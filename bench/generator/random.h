#pragma once
// A small, fast and seedable random number generator (xoshiro256**).

#include <cmath>
#include <cstdint>

namespace zembu::generator {

class Random {
public:
    explicit Random(uint64_t seed) {
        for (uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    uint64_t next() {
        const uint64_t result = rotl(state_[1] * 5, 7) * 9;
        const uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = rotl(state_[3], 45);
        return result;
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // Uniform whole number in [0, n).
    uint64_t below(uint64_t n) { return n == 0 ? 0 : next() % n; }
    // Uniform whole number in [low, high].
    int64_t between(int64_t low, int64_t high) { return low + static_cast<int64_t>(below(high - low + 1)); }
    bool chance(double p) { return uniform() < p; }
    // Standard normal (Box-Muller).
    double normal() {
        const double u = 1.0 - uniform();
        const double v = uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * v);
    }

private:
    static uint64_t rotl(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    uint64_t state_[4];
};

}  // namespace zembu::generator
