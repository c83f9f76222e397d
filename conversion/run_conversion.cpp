#include "conversion/run_conversion.h"

#include <utility>

#include "conversion/conversion_error.h"
#include "conversion/convert_mails.h"
#include "conversion/messages.h"

namespace {

// Moves the bar to i * 100 / n and shows the window before each mail.
class BarProgress : public MailProgress {
 public:
  explicit BarProgress(ProgressView& view) : view_(view) {}
  void BeforeMail(size_t index, size_t count) override {
    view_.SetPosition(static_cast<int>(index * 100 / count));
    view_.Show();
  }

 private:
  ProgressView& view_;
};

}  // namespace

void RunConversion(const ConversionRun& run) {
  run.mailLines.Clear();
  run.outputLines.Clear();
  std::vector<std::string>& inputs = run.inputPaths;
  if (inputs.empty() || run.outputPaths.size() != 1) {
    run.messages.ShowMessage(messages::kChooseFiles, {});
    return;
  }
  // The list keeps this order, so the next run exchanges them back.
  std::swap(inputs.front(), inputs.back());
  BarProgress bar(run.progress);
  try {
    ConvertMails(inputs, run.outputPaths.front(), run.options, run.mailLines, run.outputLines, bar);
  } catch (const InputOpenError& error) {
    run.messages.ShowMessage(error.what(), error.path() + ": " + error.reason());
    run.program.EndProgram(1);
    return;
  }
  run.progress.SetLabelText(messages::kCompleted);
  run.progress.SetPosition(100);
  run.progress.EnableClose();
  run.progress.Show();
}
