#include "ui/help_file_path.h"

std::string HelpFilePath(const std::string& programPath) {
  size_t nameStart = programPath.find_last_of("/\\");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  size_t dot = programPath.rfind('.');
  // A leading dot starts a hidden name, not an extension.
  if (dot == std::string::npos || dot <= nameStart) return programPath + ".RTF";
  return programPath.substr(0, dot) + ".RTF";
}
