#include "cli/terminal_progress.h"

#include <string>

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawEvery = std::chrono::milliseconds(100);

}  // namespace

TerminalProgress::TerminalProgress(std::FILE* terminal)
    : terminal_(terminal), start_(std::chrono::steady_clock::now()) {}

void TerminalProgress::BeforeMail(size_t index, size_t count) {
  auto now = std::chrono::steady_clock::now();
  if (drawn_ && now - lastDraw_ < kRedrawEvery) return;
  lastDraw_ = now;
  Draw(index, count);
}

void TerminalProgress::Finish(size_t count) {
  Draw(count, count);
  Interrupt();
}

void TerminalProgress::Interrupt() {
  if (drawn_) std::fputc('\n', terminal_);
  drawn_ = false;
}

void TerminalProgress::Draw(size_t done, size_t count) {
  std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
  double rate = elapsed.count() > 0 ? static_cast<double>(done) / elapsed.count() : 0;
  int filled = count ? static_cast<int>(done * kBarWidth / count) : kBarWidth;
  std::string bar(static_cast<size_t>(filled), '#');
  bar.resize(kBarWidth, '.');
  std::fprintf(terminal_, "\r[%s] %zu/%zu %3zu%% %.0f mails/s ", bar.c_str(), done, count,
               count ? done * 100 / count : 100, rate);
  std::fflush(terminal_);
  drawn_ = true;
}
