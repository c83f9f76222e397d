#include "cli/mail2ren.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "cli/command_line.h"
#include "cli/terminal_progress.h"
#include "conversion/conversion_error.h"
#include "conversion/convert_mails.h"

namespace {

class NoProgress : public MailProgress {
 public:
  void BeforeMail(size_t, size_t) override {}
};

// Appends the paths listed in one list file, one a line; empty lines are skipped.
// Returns false with the reason on stderr when the list cannot be read.
bool ReadList(const std::string& list, std::vector<std::string>& mails) {
  std::ifstream file;
  std::istream* in = &std::cin;
  if (list != "-") {
    file.open(list, std::ios::binary);
    if (!file) {
      std::cerr << "mail2ren: " << list << ": " << ErrnoReason(errno) << "\n";
      return false;
    }
    in = &file;
  }
  for (std::string path; std::getline(*in, path);) {
    if (!path.empty()) mails.push_back(path);
  }
  if (in->bad()) {
    std::cerr << "mail2ren: " << list << ": " << ErrnoReason(EIO) << "\n";
    return false;
  }
  return true;
}

int Usage(const std::string& problem) {
  std::cerr << "mail2ren: " << problem << "\n\n" << kUsage;
  return 2;
}

int Convert(CommandLine& line) {
  for (const std::string& list : line.lists) {
    if (!ReadList(list, line.mails)) return 1;
  }
  if (line.mails.empty()) return Usage("no mail files given");

  bool showProgress = !line.quiet && isatty(STDERR_FILENO);
  TerminalProgress bar(stderr);
  NoProgress none;
  LineList mailLines;
  LineList outputLines;
  try {
    ConvertMails(line.mails, line.output, line.options, mailLines, outputLines,
                 showProgress ? static_cast<MailProgress&>(bar) : none);
  } catch (const ConversionError& error) {
    bar.Interrupt();
    std::cerr << "mail2ren: " << error.what() << " " << error.path() << ": " << error.reason()
              << "\n";
    return 1;
  } catch (const std::exception& error) {
    bar.Interrupt();
    std::cerr << "mail2ren: " << error.what() << "\n";
    return 1;
  }
  if (showProgress) bar.Finish(line.mails.size());
  return 0;
}

}  // namespace

int Mail2ren(const std::vector<std::string>& args) {
  CommandLine line;
  try {
    line = ParseCommandLine(args);
  } catch (const UsageError& error) {
    return Usage(error.what());
  }
  switch (line.action) {
    case CommandLine::Action::kHelp:
      std::cout << kUsage;
      return 0;
    case CommandLine::Action::kVersion:
      std::cout << "mail2ren " MAIL2REN_VERSION "\n";
      return 0;
    case CommandLine::Action::kConvert:
      break;
  }
  return Convert(line);
}
