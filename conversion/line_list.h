#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// An ordered list of byte strings, read from files by the line rules of
// SplitLines and written with CR LF after every line.
class LineList {
 public:
  size_t Count() const { return lines_.size(); }
  std::string_view operator[](size_t index) const { return lines_[index]; }

  void Append(std::string_view line) {
    char* at = Allocate(line.size());
    if (!line.empty()) std::memcpy(at, line.data(), line.size());
    lines_.emplace_back(at, line.size());
  }
  void AppendAll(const LineList& other);
  void Replace(size_t index, std::string_view line);
  void Clear();
  // False when no line holds the byte; true may also mean it was only seen
  // between lines. One fast pass instead of a search in every line.
  bool MayContain(char byte) const;
  // Makes room for bytes more bytes of lines in one block.
  void Reserve(size_t bytes);

  // Replaces the contents by the lines of the file. Throws InputOpenError and
  // then leaves the contents as they were.
  void LoadFromFile(const std::string& path);
  // Replaces the contents by the lines of text.
  void SetText(std::string_view text);

  // Writes every line followed by CR LF to sink (anything with Write(string_view)).
  template <class Sink>
  void WriteTo(Sink& sink) const {
    for (std::string_view line : lines_) {
      sink.Write(line);
      sink.Write("\r\n");
    }
  }

 private:
  // Line bytes live in blocks that never move, so the views stay valid.
  struct Block {
    std::unique_ptr<char[]> data;
    size_t used = 0;
    size_t capacity = 0;
  };

  void AdoptBlock(std::unique_ptr<char[]> data, size_t size);
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
};
