#pragma once

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/byte_sink.h"

// An ordered list of byte strings, read from files by the line rules of
// SplitLines and written with CR LF after every line.
class LineList {
 public:
  size_t Count() const { return lines_.size(); }
  std::string_view operator[](size_t index) const { return lines_[index]; }

  void Append(std::string_view line) { Append({line}); }
  // Appends one line made of the parts, one after another.
  void Append(std::initializer_list<std::string_view> parts);
  void AppendAll(const LineList& other);
  // Replaces a line by one made of the parts. The bytes of the old line stay
  // where they were, so views of them stay valid until Clear.
  void Replace(size_t index, std::initializer_list<std::string_view> parts);
  void Clear();
  // False when no line holds the byte; true may also mean it was only seen
  // between lines. One fast pass instead of a search in every line.
  bool MayContain(char byte) const;

  // Replaces the contents by the lines of the file. Throws InputOpenError and
  // then leaves the contents as they were.
  void LoadFromFile(const std::string& path);
  // Replaces the contents by the lines of text.
  void SetText(std::string_view text);

  // Writes every line followed by CR LF to sink.
  void WriteTo(ByteSink& sink) const;

  // From now on, lines appended go on to sink, each line once it is complete:
  // the list holds only the few not yet written, and long lines or whole
  // lists appended are never copied. nullptr makes the list hold every line
  // again. The sink must outlive its use here.
  void StreamTo(ByteSink* sink);
  // Writes the lines held to the sink given to StreamTo, and forgets them.
  void Flush();

 private:
  // Line bytes live in blocks that never move, so the views stay valid.
  struct Block {
    std::unique_ptr<char[]> data;
    size_t used = 0;
    size_t capacity = 0;
  };

  void AdoptBlock(std::unique_ptr<char[]> data, size_t size);
  std::string_view Join(std::initializer_list<std::string_view> parts);
  void WriteThrough(std::initializer_list<std::string_view> parts);
  char* Allocate(size_t bytes) {
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) AddBlock(bytes);
    Block& block = blocks_.back();
    char* at = block.data.get() + block.used;
    block.used += bytes;
    return at;
  }
  void AddBlock(size_t bytes);

  std::vector<std::string_view> lines_;
  std::vector<Block> blocks_;
  ByteSink* sink_ = nullptr;
  size_t held_ = 0;  // bytes of lines held while streaming
};
