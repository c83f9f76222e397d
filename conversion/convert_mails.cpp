#include "conversion/convert_mails.h"

#include "conversion/convert_mail.h"
#include "conversion/output_file.h"

void ConvertMails(const std::vector<std::string>& inputs, const std::string& output,
                  const ConversionOptions& options, LineList& mailLines, LineList& outputLines,
                  MailProgress& progress) {
  OutputFile file(output);
  for (size_t i = 0; i < inputs.size(); ++i) {
    progress.BeforeMail(i, inputs.size());
    mailLines.LoadFromFile(inputs[i]);
    // Each record goes out as soon as it is made, so memory stays flat
    // however many mails there are.
    outputLines.Clear();
    ConvertMail(inputs[i], mailLines, options, outputLines);
    outputLines.WriteTo(file);
  }
  file.Commit();
}
