#pragma once

#include <cstddef>
#include <string_view>

// How a conversion run reports to whoever started it. The desktop program
// implements these with its windows, the command line with its terminal.

// The progress window.
class ProgressView {
 public:
  virtual ~ProgressView() = default;
  virtual void SetPosition(int percent) = 0;
  virtual void SetLabelText(std::string_view text) = 0;
  virtual void EnableClose() = 0;
  virtual void Show() = 0;
};

// A modal message with one OK button. detail, when not empty, names the file
// and the reason behind text.
class MessageView {
 public:
  virtual ~MessageView() = default;
  virtual void ShowMessage(std::string_view text, std::string_view detail) = 0;
};

// Asks the program to shut down in order with the given exit status.
class ProgramControl {
 public:
  virtual ~ProgramControl() = default;
  virtual void EndProgram(int status) = 0;
};

// Told before each mail is read.
class MailProgress {
 public:
  virtual ~MailProgress() = default;
  virtual void BeforeMail(size_t index, size_t count) = 0;
};
