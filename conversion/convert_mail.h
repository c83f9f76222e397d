#pragma once

#include <string_view>

#include "conversion/conversion_options.h"
#include "conversion/line_list.h"

// Appends the import record of one mail to outputLines. mailLines holds the
// mail's lines and is escaped in place, so that no mail line can pass for a
// tag line. path is the mail's path, for the file-name line.
void ConvertMail(std::string_view path, LineList& mailLines, const ConversionOptions& options,
                 LineList& outputLines);
