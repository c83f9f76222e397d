#pragma once

#include <optional>
#include <string>
#include <vector>

struct ProcessResult {
  int status = -1;  // the exit status, or -1 when killed by a signal
  std::string out;
  std::string err;
};

struct ProcessOptions {
  std::string input;                           // given on standard input
  std::optional<unsigned long> fileSizeLimit;  // RLIMIT_FSIZE in bytes
  bool asOrdinaryUser = false;                 // when run by root, run as "nobody"
};

// The user id an ordinary-user run gets: ours, or "nobody" when we are root.
unsigned OrdinaryUser();

// Runs a program with arguments and waits for it.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessOptions& options = {});

// Starts a program with its output discarded; returns its process id.
int StartProcess(const std::string& program, const std::vector<std::string>& args);
