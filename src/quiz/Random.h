#pragma once

#include <cstdint>

/// The program's random source: a linear congruential generator (state *
/// 22695477 + 1, result bits 16-30). Question picking and choice mixing
/// draw from one generator seeded once at start-up; tests seed it.
class CLSRandom {
  public:
    explicit CLSRandom(uint32_t seed = 1) : m_state(seed) {}

    void seed(uint32_t seed) { m_state = seed; }
    /// 0 .. 32767.
    int next() {
        m_state = m_state * 22695477u + 1u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }
    /// A number below n (0 for n <= 0). A single draw covers 32768 values;
    /// wider ranges combine two draws so that every value can come up.
    int below(int n) {
        if (n <= 0) return 0;
        if (n <= 32768) return next() % n;
        uint32_t wide = static_cast<uint32_t>(next()) << 15 | static_cast<uint32_t>(next());
        return static_cast<int>(wide % static_cast<uint32_t>(n));
    }

  private:
    uint32_t m_state;
};
