#pragma once

#include <string_view>

// Somewhere bytes are written to, in order.
class ByteSink {
 public:
  virtual ~ByteSink() = default;
  virtual void Write(std::string_view bytes) = 0;
};
