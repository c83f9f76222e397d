#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "conversion/conversion_options.h"

// What the mail2ren command line asks for.
struct CommandLine {
  enum class Action { kConvert, kHelp, kVersion };
  Action action = Action::kConvert;
  ConversionOptions options;
  std::string output;
  std::vector<std::string> mails;
  std::vector<std::string> lists;  // files naming more mails, one a line; "-" is standard input
  bool quiet = false;
};

// A command line that cannot be carried out; what() says why.
class UsageError : public std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text shown by --help and after a usage error.
extern const char* const kUsage;
