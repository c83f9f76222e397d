#pragma once

#include <string>
#include <vector>

#include "conversion/conversion_options.h"
#include "conversion/line_list.h"
#include "conversion/run_reports.h"

// What the OK button's run reads from the main window and reports to.
struct ConversionRun {
  std::vector<std::string>& inputPaths;         // the open dialog's list, reordered in place
  const std::vector<std::string>& outputPaths;  // the save dialog's list
  const ConversionOptions& options;
  LineList& mailLines;
  LineList& outputLines;
  ProgressView& progress;
  MessageView& messages;
  ProgramControl& program;
};

// Checks the selection, exchanges the first and last input, converts every
// mail into the output file and reports completion. An input that cannot be
// opened is reported and ends the program with status 1. OutputError escapes
// to the caller, with the output left as it was.
void RunConversion(const ConversionRun& run);
