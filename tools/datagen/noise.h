// Deterministic random numbers and value noise: the same seed always paints the same picture.
#pragma once

#include <cstdint>

namespace datagen {

class Rng {
public:
    explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    uint64_t next() {
        uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    float uni() { return static_cast<float>(next() >> 40) / static_cast<float>(1ull << 24); }
    float range(float lo, float hi) { return lo + (hi - lo) * uni(); }
    int below(int n) { return n <= 0 ? 0 : static_cast<int>(next() % static_cast<uint64_t>(n)); }

private:
    uint64_t s_;
};

// Lattice hash in 0..1.
float hash2(int x, int y, uint32_t seed);
// Smooth value noise in 0..1; a period > 0 makes it wrap after that many lattice cells.
float vnoise(float x, float y, uint32_t seed, int periodX = 0, int periodY = 0);
// Sum of octaves in 0..1, each octave twice the frequency and half the weight.
float fbm(float x, float y, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

}  // namespace datagen
