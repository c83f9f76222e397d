#pragma once

#include <string>
#include <vector>

#include "tests/run_process.h"

// Runs the mail2ren the build made, and waits for it.
inline ProcessResult Mail2ren(const std::vector<std::string>& args,
                              const ProcessOptions& options = {}) {
  return RunProcess(MAIL2REN_PATH, args, options);
}
