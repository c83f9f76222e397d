#include "conversion/split_lines.h"

#include <cstring>

namespace {

// Position of the next c at or after from, or end when there is none.
const char* Next(const char* from, const char* end, char c) {
  const void* hit = std::memchr(from, c, static_cast<size_t>(end - from));
  return hit ? static_cast<const char*>(hit) : end;
}

}  // namespace

void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
  lines.clear();
  const char* p = text.data();
  const char* end = Next(p, p + text.size(), '\0');
  // The next CR and LF are searched once and reused until passed, so every
  // byte is scanned at most twice.
  const char* nextCr = Next(p, end, '\r');
  const char* nextLf = Next(p, end, '\n');
  while (p < end) {
    if (nextCr < p) nextCr = Next(p, end, '\r');
    if (nextLf < p) nextLf = Next(p, end, '\n');
    const char* lineEnd = nextCr < nextLf ? nextCr : nextLf;
    lines.emplace_back(p, static_cast<size_t>(lineEnd - p));
    p = lineEnd;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
  }
}
