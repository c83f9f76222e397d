#include "conversion/convert_mails.h"

#include "conversion/convert_mail.h"
#include "conversion/output_file.h"

namespace {

// Streams the output lines into the file for as long as it lives.
class Streaming {
 public:
  Streaming(LineList& lines, OutputFile& file) : lines_(lines) { lines_.StreamTo(&file); }
  ~Streaming() { lines_.StreamTo(nullptr); }

 private:
  LineList& lines_;
};

}  // namespace

void ConvertMails(const std::vector<std::string>& inputs, const std::string& output,
                  const ConversionOptions& options, LineList& mailLines, LineList& outputLines,
                  MailProgress& progress) {
  OutputFile file(output);
  // Records go out as they are made, so memory stays flat however many mails
  // there are, and a mail's text is never copied into the output list.
  Streaming streaming(outputLines, file);
  for (size_t i = 0; i < inputs.size(); ++i) {
    progress.BeforeMail(i, inputs.size());
    mailLines.LoadFromFile(inputs[i]);
    ConvertMail(inputs[i], mailLines, options, outputLines);
  }
  outputLines.Flush();
  file.Commit();
}
