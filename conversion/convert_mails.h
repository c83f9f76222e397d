#pragma once

#include <string>
#include <vector>

#include "conversion/conversion_options.h"
#include "conversion/line_list.h"
#include "conversion/run_reports.h"

// Converts the mails at inputs, in that order, into the import text file at
// output, created or replaced. Records stream into a temporary file that
// replaces the output only when all is written: on InputOpenError or
// OutputError the output path is left as it was.
void ConvertMails(const std::vector<std::string>& inputs, const std::string& output,
                  const ConversionOptions& options, LineList& mailLines, LineList& outputLines,
                  MailProgress& progress);
