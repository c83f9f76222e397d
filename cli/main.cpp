#include <clocale>
#include <csignal>
#include <string>
#include <vector>

#include "cli/mail2ren.h"

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  // A full disk or a file-size limit must fail the write, not kill the
  // process, so the temporary output is cleaned up.
  std::signal(SIGXFSZ, SIG_IGN);
  return Mail2ren(std::vector<std::string>(argv + 1, argv + argc));
}
