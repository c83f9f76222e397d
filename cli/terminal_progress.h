#pragma once

#include <chrono>
#include <cstdio>

#include "conversion/run_reports.h"

// A progress bar on a terminal: count, total and rate, redrawn a few times a
// second on one line.
class TerminalProgress : public MailProgress {
 public:
  explicit TerminalProgress(std::FILE* terminal);
  void BeforeMail(size_t index, size_t count) override;
  // Draws the bar full and ends its line.
  void Finish(size_t count);
  // Ends the bar's line, if one was drawn, so a message can follow.
  void Interrupt();

 private:
  void Draw(size_t done, size_t count);

  std::FILE* terminal_;
  std::chrono::steady_clock::time_point start_;
  std::chrono::steady_clock::time_point lastDraw_;
  bool drawn_ = false;
};
