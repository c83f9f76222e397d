#pragma once

#include <cstddef>
#include <memory>
#include <string>

// The whole contents of one mail file.
struct FileBytes {
  std::unique_ptr<char[]> data;
  size_t size = 0;
};

// Reads a mail file whole. Throws InputOpenError when the path is not a
// regular file, cannot be opened or read, or is held under another program's
// exclusive lock.
FileBytes ReadMailFile(const std::string& path);
