#pragma once

#include <stdexcept>
#include <string>

// A failure of the conversion: what() is the text the user is shown; path and
// reason say which file failed and why, for front ends that show more.
class ConversionError : public std::runtime_error {
 public:
  ConversionError(const std::string& text, std::string path, std::string reason)
      : std::runtime_error(text), path_(std::move(path)), reason_(std::move(reason)) {}

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

// An input mail that cannot be opened or read; the run ends the program.
class InputOpenError : public ConversionError {
  using ConversionError::ConversionError;
};

// The output file cannot be created, written or put in place.
class OutputError : public ConversionError {
  using ConversionError::ConversionError;
};

// The reason text of an errno value, in the user's locale.
std::string ErrnoReason(int error);
