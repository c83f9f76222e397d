#pragma once

#include <string>

// Where the help document lies: the program's path with its extension, if
// any, replaced by ".RTF"; without one, ".RTF" is added.
std::string HelpFilePath(const std::string& programPath);
