#include "cli/command_line.h"

#include <algorithm>
#include <cctype>
#include <optional>

const char* const kUsage =
    "Usage: mail2ren [-k FIELDS] [-w WIDTH] [--no-file-name] [-q] -o OUTPUT [-T LIST] MAIL...\n"
    "Converts mail files, one message a file, into one import text file (*.ren).\n"
    "\n"
    "  -o, --output FILE     import text file to create or replace (required)\n"
    "  -k, --keywords LIST   keyword fields besides Subject, comma-separated from\n"
    "                        from,to,date,reply-to,cc (default from,date; \"\" for none)\n"
    "  -w, --width TEXT      characters-per-line text, as typed (default 76; empty gives 76)\n"
    "      --no-file-name    no file-name line\n"
    "  -T, --files-from LIST read mail paths from LIST, one a line (\"-\" for standard\n"
    "                        input), after those on the command line\n"
    "  -q, --quiet           no progress display\n"
    "  -h, --help            show this help and exit\n"
    "      --version         show the version and exit\n"
    "\n"
    "Exit status: 0 when the file was written, 1 when a mail cannot be read or the\n"
    "output cannot be written (the output is then left as it was), 2 for a usage error.\n";

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

void SetKeywords(const std::string& list, ConversionOptions& options) {
  options.includeFrom = options.includeTo = options.includeDate = false;
  options.includeReplyTo = options.includeCc = false;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = std::min(list.find(',', start), list.size());
    std::string field = Lower(list.substr(start, comma - start));
    start = comma + 1;
    if (field.empty()) continue;
    if (field == "from") {
      options.includeFrom = true;
    } else if (field == "to") {
      options.includeTo = true;
    } else if (field == "date") {
      options.includeDate = true;
    } else if (field == "reply-to") {
      options.includeReplyTo = true;
    } else if (field == "cc") {
      options.includeCc = true;
    } else {
      throw UsageError("unknown keyword field '" + field + "' (from, to, date, reply-to, cc)");
    }
  }
}

// Walks the arguments, handing out options and their values.
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& args) : args_(args) {}

  bool Done() const { return next_ >= args_.size(); }
  const std::string& Take() { return args_[next_++]; }

  // The value of option name: glued to it ("-oFILE", "--output=FILE") or the
  // next argument.
  std::string Value(const std::string& name, std::optional<std::string> glued) {
    if (glued) return *glued;
    if (Done()) throw UsageError("option " + name + " needs a value");
    return Take();
  }

 private:
  const std::vector<std::string>& args_;
  size_t next_ = 0;
};

struct Option {
  std::string name;                  // as written, without a glued value
  std::optional<std::string> glued;  // a value written in the same argument
};

Option Split(const std::string& arg) {
  if (arg.starts_with("--")) {
    size_t equals = arg.find('=');
    if (equals == std::string::npos) return {arg, std::nullopt};
    return {arg.substr(0, equals), arg.substr(equals + 1)};
  }
  if (arg.size() > 2) return {arg.substr(0, 2), arg.substr(2)};
  return {arg, std::nullopt};
}

bool Is(const Option& option, const char* shortName, const char* longName) {
  return option.name == shortName || option.name == longName;
}

// Options without a value take no glued text.
void NoValue(const Option& option) {
  if (option.glued) throw UsageError("option " + option.name + " takes no value");
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  ArgumentReader reader(args);
  bool optionsEnded = false;
  while (!reader.Done()) {
    const std::string& arg = reader.Take();
    if (optionsEnded || arg == "-" || !arg.starts_with('-')) {
      line.mails.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    Option option = Split(arg);
    if (Is(option, "-o", "--output")) {
      line.output = reader.Value(option.name, option.glued);
      if (line.output.empty()) throw UsageError("the output path is empty");
    } else if (Is(option, "-k", "--keywords")) {
      SetKeywords(reader.Value(option.name, option.glued), line.options);
    } else if (Is(option, "-w", "--width")) {
      line.options.widthText = reader.Value(option.name, option.glued);
    } else if (Is(option, "-T", "--files-from")) {
      line.lists.push_back(reader.Value(option.name, option.glued));
    } else if (Is(option, "", "--no-file-name")) {
      NoValue(option);
      line.options.recordFileName = false;
    } else if (Is(option, "-q", "--quiet")) {
      NoValue(option);
      line.quiet = true;
    } else if (Is(option, "-h", "--help")) {
      NoValue(option);
      line.action = CommandLine::Action::kHelp;
    } else if (Is(option, "", "--version")) {
      NoValue(option);
      line.action = CommandLine::Action::kVersion;
    } else {
      throw UsageError("unknown option " + option.name);
    }
  }
  if (line.action != CommandLine::Action::kConvert) return line;
  if (line.output.empty()) throw UsageError("no output file: give one with -o");
  if (line.mails.empty() && line.lists.empty()) throw UsageError("no mail files given");
  return line;
}
