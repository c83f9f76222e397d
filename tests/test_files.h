#pragma once

#include <string>
#include <string_view>
#include <vector>

// A fresh folder for one test, removed with everything in it afterwards.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }
  // The names in the folder, sorted.
  std::vector<std::string> Names() const;

 private:
  std::string path_;
};

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
// The lines joined, each followed by CR LF: an import text as it is written.
std::string CrLfText(const std::vector<std::string>& lines);
// The first byte of each record's subject in an import text file, in order:
// the tests name their mails by one letter each.
std::string SubjectOrder(const std::string& path);
// The folder of the test sources' fixtures.
std::string FixturePath(std::string_view name);
