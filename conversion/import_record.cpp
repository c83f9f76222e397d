#include "conversion/import_record.h"

namespace {

std::string Tagged(std::string_view tag, std::string_view content) {
  std::string line;
  line.reserve(tag.size() + content.size());
  line.append(tag).append(content);
  return line;
}

}  // namespace

void ImportRecord::AppendTo(const LineList& body, LineList& out) const {
  out.Append("#S");
  for (const std::string& line : keywordLines) out.Append(Tagged("#K", line));
  if (subject) out.Append(Tagged("#T", *subject));
  out.Append(Tagged("#W", width));
  if (!fileName.empty()) out.Append(Tagged("#F", fileName));
  out.AppendAll(body);
  out.Append("#E");
  out.Append("");
}
