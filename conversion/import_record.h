#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/line_list.h"

// One mail's record in the import text: "#S", keyword lines "#K", the subject
// "#T", the width "#W", the file name "#F", the escaped mail text, "#E" and an
// empty line.
// The views point into the mail's lines, which must outlive the record.
struct ImportRecord {
  std::vector<std::string_view> keywordLines;  // whole header lines, in field order
  std::optional<std::string_view> subject;     // the bytes after "Subject:"
  std::string width;
  std::string fileName;  // empty: no file-name line

  // Appends the record to out, with body as the mail text (already escaped).
  void AppendTo(const LineList& body, LineList& out) const;
};
