#include "conversion/convert_mail.h"

#include <array>
#include <optional>
#include <string>

#include "conversion/import_record.h"

namespace {

constexpr std::string_view kSubject = "Subject:";
constexpr char kEndOfFileMark = '\x1a';

// Header fields in the order of the keyword lines.
std::array<std::pair<std::string_view, bool>, 6> KeywordFields(const ConversionOptions& options) {
  return {{{kSubject, true},
           {"From:", options.includeFrom},
           {"To:", options.includeTo},
           {"Date:", options.includeDate},
           {"Reply-To:", options.includeReplyTo},
           {"CC:", options.includeCc}}};
}

// The first line of the whole mail that begins with prefix.
std::optional<std::string_view> FirstLineWith(const LineList& lines, std::string_view prefix) {
  for (size_t i = 0; i < lines.Count(); ++i) {
    if (lines[i].starts_with(prefix)) return lines[i];
  }
  return std::nullopt;
}

// Texts from the user become one line each: a CR or LF in them would split
// the record.
std::string OneLine(std::string_view text) {
  std::string line(text);
  for (char& c : line) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

// What follows the last "/" or "\" of the path.
std::string_view FileNameOf(std::string_view path) {
  size_t separator = path.find_last_of("/\\");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

ImportRecord RecordHead(std::string_view path, const LineList& mailLines,
                        const ConversionOptions& options) {
  ImportRecord record;
  for (const auto& [prefix, wanted] : KeywordFields(options)) {
    if (!wanted) continue;
    auto line = FirstLineWith(mailLines, prefix);
    if (!line) continue;
    record.keywordLines.push_back(*line);
    // The subject line comes from the same line as the Subject keyword.
    if (prefix == kSubject) record.subject = line->substr(kSubject.size());
  }
  record.width = options.widthText.empty() ? "76" : OneLine(options.widthText);
  if (options.recordFileName) record.fileName = OneLine(FileNameOf(path));
  return record;
}

// A line that begins with "#" gets a space in front; then the first 0x1A byte
// goes. A line that only then begins with "#" gets the space as well. The
// line is rebuilt once, in place, however long it is.
void EscapeLine(LineList& lines, size_t index, bool markPossible) {
  std::string_view line = lines[index];
  bool space = line.starts_with('#');
  size_t mark = markPossible ? line.find(kEndOfFileMark) : std::string_view::npos;
  if (!space && mark == std::string_view::npos) return;
  std::string_view before = line.substr(0, mark);
  std::string_view after =
      mark == std::string_view::npos ? std::string_view() : line.substr(mark + 1);
  if (!space) space = before.empty() && after.starts_with('#');
  lines.Replace(index, {space ? " " : "", before, after});
}

void EscapeBody(LineList& mailLines) {
  bool markPossible = mailLines.MayContain(kEndOfFileMark);
  for (size_t i = 0; i < mailLines.Count(); ++i) EscapeLine(mailLines, i, markPossible);
}

}  // namespace

void ConvertMail(std::string_view path, LineList& mailLines, const ConversionOptions& options,
                 LineList& outputLines) {
  ImportRecord record = RecordHead(path, mailLines, options);
  EscapeBody(mailLines);
  record.AppendTo(mailLines, outputLines);
}
