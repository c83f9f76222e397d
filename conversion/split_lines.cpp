#include "conversion/split_lines.h"

#include <cstring>

#include "conversion/byte_scan.h"

void SplitLines(std::string_view text, std::vector<std::string_view>& lines) {
  lines.clear();
  const char* p = text.data();
  const void* nul = std::memchr(p, '\0', text.size());
  const char* end = nul ? static_cast<const char*>(nul) : p + text.size();
  while (p < end) {
    const char* lineEnd = FindEither(p, end, '\r', '\n');
    lines.emplace_back(p, static_cast<size_t>(lineEnd - p));
    p = lineEnd;
    if (p < end && *p == '\r') ++p;
    if (p < end && *p == '\n') ++p;
  }
}
