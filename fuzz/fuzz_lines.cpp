// Line splitting against a plain byte-by-byte model of the rules, and
// writing the lines back then reading them again.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/split_lines.h"

namespace {

std::vector<std::string> Model(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> lines;
  size_t i = 0;
  while (i < text.size()) {
    std::string line;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') line += text[i++];
    lines.push_back(line);
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string_view> views;
  SplitLines(text, views);
  return std::vector<std::string>(views.begin(), views.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = Split(text);
  if (lines != Model(text)) std::abort();
  std::string written;
  for (const std::string& line : lines) written += line + "\r\n";
  if (Split(written) != lines) std::abort();
  return 0;
}
