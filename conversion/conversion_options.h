#pragma once

#include <string>

// The options of one conversion, as set in the main window or on the command line.
struct ConversionOptions {
  bool includeFrom = true;
  bool includeTo = false;
  bool includeDate = true;
  bool includeReplyTo = false;
  bool includeCc = false;
  std::string widthText = "76";  // bytes as typed, never validated
  bool recordFileName = true;
};
