#include "conversion/line_list.h"

#include <algorithm>
#include <cstring>

#include "conversion/input_file.h"
#include "conversion/split_lines.h"

namespace {

constexpr size_t kBlockSize = 64 * 1024;
// While streaming, lines are held until they fill this many bytes; a line
// longer than this is written straight through.
constexpr size_t kStreamBytes = 256 * 1024;
constexpr std::string_view kLineBreak = "\r\n";

size_t TotalSize(std::initializer_list<std::string_view> parts) {
  size_t size = 0;
  for (std::string_view part : parts) size += part.size();
  return size;
}

}  // namespace

std::string_view LineList::Join(std::initializer_list<std::string_view> parts) {
  size_t size = TotalSize(parts);
  char* start = Allocate(size);
  char* at = start;
  for (std::string_view part : parts) {
    if (!part.empty()) std::memcpy(at, part.data(), part.size());
    at += part.size();
  }
  return std::string_view(start, size);
}

void LineList::Append(std::initializer_list<std::string_view> parts) {
  if (!sink_) {
    lines_.push_back(Join(parts));
    return;
  }
  size_t size = TotalSize(parts);
  if (size > kStreamBytes) {
    WriteThrough(parts);
    return;
  }
  lines_.push_back(Join(parts));
  held_ += size;
  if (held_ > kStreamBytes) Flush();
}

void LineList::AppendAll(const LineList& other) {
  if (sink_) {
    Flush();
    other.WriteTo(*sink_);
    return;
  }
  size_t bytes = 0;
  for (std::string_view line : other.lines_) bytes += line.size();
  // One block for all, so a long mail is not copied block after block.
  if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) AddBlock(bytes);
  lines_.reserve(lines_.size() + other.lines_.size());
  for (std::string_view line : other.lines_) lines_.push_back(Join({line}));
}

void LineList::Replace(size_t index, std::initializer_list<std::string_view> parts) {
  lines_[index] = Join(parts);
}

void LineList::Clear() {
  lines_.clear();
  held_ = 0;
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

void LineList::AddBlock(size_t bytes) {
  size_t capacity = std::max(kBlockSize, bytes);
  blocks_.push_back(Block{std::make_unique_for_overwrite<char[]>(capacity), 0, capacity});
}

void LineList::WriteTo(ByteSink& sink) const {
  for (std::string_view line : lines_) {
    sink.Write(line);
    sink.Write(kLineBreak);
  }
}

void LineList::StreamTo(ByteSink* sink) {
  Clear();
  sink_ = sink;
}

void LineList::Flush() {
  if (!sink_) return;
  WriteTo(*sink_);
  Clear();
}

void LineList::WriteThrough(std::initializer_list<std::string_view> parts) {
  Flush();
  for (std::string_view part : parts) sink_->Write(part);
  sink_->Write(kLineBreak);
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
