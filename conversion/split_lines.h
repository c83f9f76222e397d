#pragma once

#include <string_view>
#include <vector>

// Splits text into lines: the text ends at its first NUL; CR LF, a lone CR and
// a lone LF each end one line; a break at the very end adds no empty line.
// The views point into text.
void SplitLines(std::string_view text, std::vector<std::string_view>& lines);
