// ConvertMail with fuzzed options, path and mail: every record is well formed
// and every mail line reaches the body, escaped by the rules and nothing else.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/convert_mail.h"
#include "conversion/split_lines.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Takes a length byte and that many bytes from the front of input.
std::string TakeField(std::string_view& input) {
  if (input.empty()) return {};
  size_t length = static_cast<unsigned char>(input.front()) % 16;
  input.remove_prefix(1);
  length = std::min(length, input.size());
  std::string field(input.substr(0, length));
  input.remove_prefix(length);
  return field;
}

std::string Escaped(std::string line) {
  if (line.starts_with('#')) line.insert(0, 1, ' ');
  size_t mark = line.find('\x1a');
  if (mark != std::string::npos) line.erase(mark, 1);
  if (line.starts_with('#')) line.insert(0, 1, ' ');
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  if (input.empty()) return 0;
  unsigned flags = static_cast<unsigned char>(input.front());
  input.remove_prefix(1);
  ConversionOptions options;
  options.includeFrom = flags & 1;
  options.includeTo = flags & 2;
  options.includeDate = flags & 4;
  options.includeReplyTo = flags & 8;
  options.includeCc = flags & 16;
  options.recordFileName = flags & 32;
  options.widthText = TakeField(input);
  std::string path = TakeField(input);

  std::vector<std::string_view> mail;
  SplitLines(input, mail);
  LineList mailLines;
  mailLines.SetText(input);
  LineList out;
  ConvertMail(path, mailLines, options, out);

  size_t n = out.Count();
  for (size_t i = 0; i < n; ++i) {
    Check(out[i].find_first_of(std::string_view("\r\n", 2)) == std::string_view::npos);
  }
  Check(n >= 4 && out[0] == "#S" && out[n - 2] == "#E" && out[n - 1].empty());
  size_t i = 1;
  while (out[i].starts_with("#K")) ++i;
  Check(i - 1 <= 6);
  if (out[i].starts_with("#T")) ++i;
  Check(out[i].starts_with("#W") && out[i].size() > 2);
  ++i;
  if (out[i].starts_with("#F")) ++i;
  Check(n - 2 - i == mail.size());
  for (size_t line = 0; line < mail.size(); ++line, ++i) {
    Check(!out[i].starts_with('#'));
    Check(out[i] == Escaped(std::string(mail[line])));
  }
  return 0;
}
