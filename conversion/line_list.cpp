#include "conversion/line_list.h"

#include <algorithm>
#include <cstring>

#include "conversion/input_file.h"
#include "conversion/split_lines.h"

namespace {

constexpr size_t kBlockSize = 64 * 1024;

}  // namespace

void LineList::AppendAll(const LineList& other) {
  size_t bytes = 0;
  for (std::string_view line : other.lines_) bytes += line.size();
  Reserve(bytes);
  lines_.reserve(lines_.size() + other.lines_.size());
  for (std::string_view line : other.lines_) Append(line);
}

void LineList::Replace(size_t index, std::string_view line) {
  char* at = Allocate(line.size());
  if (!line.empty()) std::memcpy(at, line.data(), line.size());
  lines_[index] = std::string_view(at, line.size());
}

void LineList::Clear() {
  lines_.clear();
  // One standard block is kept, so a run of small mails allocates nothing.
  if (!blocks_.empty() && blocks_.front().capacity == kBlockSize) {
    blocks_.resize(1);
    blocks_.front().used = 0;
  } else {
    blocks_.clear();
  }
}

bool LineList::MayContain(char byte) const {
  for (const Block& block : blocks_) {
    if (std::memchr(block.data.get(), byte, block.used)) return true;
  }
  return false;
}

void LineList::Reserve(size_t bytes) {
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) AddBlock(bytes);
}

void LineList::AddBlock(size_t bytes) {
  size_t capacity = std::max(kBlockSize, bytes);
  blocks_.push_back(Block{std::make_unique_for_overwrite<char[]>(capacity), 0, capacity});
}

void LineList::AdoptBlock(std::unique_ptr<char[]> data, size_t size) {
  blocks_.clear();
  std::string_view text(data.get(), size);
  // A full block: later appends go to a new one and never move these bytes.
  blocks_.push_back(Block{std::move(data), size, size});
  SplitLines(text, lines_);
}

void LineList::LoadFromFile(const std::string& path) {
  FileBytes bytes = ReadMailFile(path);
  AdoptBlock(std::move(bytes.data), bytes.size);
}

void LineList::SetText(std::string_view text) {
  auto data = std::make_unique_for_overwrite<char[]>(text.size());
  if (!text.empty()) std::memcpy(data.get(), text.data(), text.size());
  AdoptBlock(std::move(data), text.size());
}
