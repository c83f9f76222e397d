#include "conversion/import_record.h"

void ImportRecord::AppendTo(const LineList& body, LineList& out) const {
  out.Append("#S");
  for (std::string_view line : keywordLines) out.Append({"#K", line});
  if (subject) out.Append({"#T", *subject});
  out.Append({"#W", width});
  if (!fileName.empty()) out.Append({"#F", fileName});
  out.AppendAll(body);
  out.Append("#E");
  out.Append("");
}
