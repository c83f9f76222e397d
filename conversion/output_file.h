#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "conversion/byte_sink.h"

// The import text file being written. The bytes go to a temporary file in the
// output's folder, and Commit puts it in place of the output path in one step.
// Destroyed without Commit, it leaves the earlier output untouched and no
// temporary file behind. Errors throw OutputError with the user's text.
class OutputFile final : public ByteSink {
 public:
  explicit OutputFile(const std::string& path);
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  void Write(std::string_view bytes) override {
    if (bytes.size() <= kBufferSize - buffered_) {
      std::memcpy(buffer_.get() + buffered_, bytes.data(), bytes.size());
      buffered_ += bytes.size();
    } else {
      WriteLarge(bytes);
    }
  }
  // Flushes to disk, keeps an earlier file's permissions and replaces it.
  void Commit();

 private:
  static constexpr size_t kBufferSize = 1 << 20;

  void WriteLarge(std::string_view bytes);
  void Flush();
  void WriteOut(const char* data, size_t size);
  void LinkIntoFolder();
  [[noreturn]] void FailCreate(int error) const;
  [[noreturn]] void FailWrite(int error) const;

  std::string path_;      // as given, for messages
  std::string target_;    // the file replaced: path_ with symbolic links followed
  std::string tempPath_;  // the temporary file's name, once it has one
  int fd_ = -1;
  mode_t mode_ = 0;
  bool replacesFile_ = false;
  uid_t owner_ = 0;
  gid_t group_ = 0;
  std::unique_ptr<char[]> buffer_;
  size_t buffered_ = 0;
  size_t written_ = 0;  // bytes in the file so far
  size_t advised_ = 0;  // bytes already sent on their way to disk
};
