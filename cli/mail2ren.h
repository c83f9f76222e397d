#pragma once

#include <string>
#include <vector>

// The mail2ren command: converts the mails named on the command line into one
// import text file. Returns the exit status: 0 done, 1 a file failed, 2 usage.
int Mail2ren(const std::vector<std::string>& args);
