#pragma once

#include <cstdint>
#include <cstring>

// Finds the first of two byte values in [p, end), eight bytes at a time. Mail
// lines are short, so this beats a call to memchr per line and per byte value.
inline const char* FindEither(const char* p, const char* end, char a, char b) {
  constexpr uint64_t kOnes = 0x0101010101010101ull;
  constexpr uint64_t kHighs = 0x8080808080808080ull;
  const uint64_t wordA = kOnes * static_cast<unsigned char>(a);
  const uint64_t wordB = kOnes * static_cast<unsigned char>(b);
  while (end - p >= 8) {
    uint64_t word;
    std::memcpy(&word, p, 8);
    uint64_t xa = word ^ wordA;
    uint64_t xb = word ^ wordB;
    // A zero byte in xa or xb marks a match (exact test, no false hits).
    uint64_t hits = (((xa & ~kHighs) + ~kHighs) | xa) & (((xb & ~kHighs) + ~kHighs) | xb);
    if ((hits & kHighs) != kHighs) break;
    p += 8;
  }
  while (p < end && *p != a && *p != b) ++p;
  return p;
}
