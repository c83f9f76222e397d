#include "ui/rtf_reader.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "ui/text_decoder.h"

namespace {

constexpr int kMaxDepth = 200;
constexpr int kMaxWordLength = 32;
constexpr int kMaxDigits = 10;
constexpr int kAnsiCharset = 0;
constexpr int kDefaultCharset = 1;
constexpr int kShiftJisCharset = 128;
constexpr int kShiftJisCodePage = 932;

enum class Destination { kText, kFontTable, kColorTable, kSkip };

// What a group sets; a closing brace restores the enclosing group's state.
struct GroupState {
  Destination destination = Destination::kText;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = 24;
  int color = 0;
  int font = -1;
  int unicodeSkip = 1;
  bool starred = false;  // "\*": an unknown destination that follows is skipped
};

bool IsSkippedDestination(const std::string& word) {
  static const char* const kSkipped[] = {"info",
                                         "pict",
                                         "stylesheet",
                                         "header",
                                         "headerl",
                                         "headerr",
                                         "headerf",
                                         "footer",
                                         "footerl",
                                         "footerr",
                                         "footerf",
                                         "object",
                                         "footnote",
                                         "themedata",
                                         "colorschememapping",
                                         "latentstyles",
                                         "datastore",
                                         "listtable",
                                         "listoverridetable",
                                         "revtbl",
                                         "rsidtbl",
                                         "xmlnstbl",
                                         "fldinst",
                                         "filetbl"};
  return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class RtfReader {
 public:
  RtfReader(std::string_view bytes, QTextDocument& doc) : in_(bytes), cursor_(&doc) {}

  bool Read();

 private:
  bool ReadControl();
  void ApplyWord(const std::string& word, bool hasParameter, long parameter);
  void AddByte(char byte);
  void AddText(const QString& text);
  void Flush();
  QTextCharFormat Format() const;
  const char* Charset() const;

  GroupState& State() { return states_.back(); }

  std::string_view in_;
  size_t at_ = 0;
  QTextCursor cursor_;
  std::vector<GroupState> states_;
  std::string pending_;  // text bytes not yet decoded, all in the current format
  int codePage_ = 1252;
  std::map<int, int> fontCharsets_;
  int fontBeingDefined_ = -1;
  std::vector<QColor> colors_;
  QColor colorBeingDefined_ = Qt::black;
  bool colorStarted_ = false;
  int toSkip_ = 0;  // fallback characters after a \uN still to drop
};

bool RtfReader::Read() {
  if (!in_.starts_with("{\\rtf")) return false;
  while (at_ < in_.size()) {
    char c = in_[at_++];
    if (c == '{') {
      Flush();
      if (states_.size() >= kMaxDepth) return false;
      states_.push_back(states_.empty() ? GroupState{} : State());
      State().starred = false;
      toSkip_ = 0;
    } else if (c == '}') {
      Flush();
      if (states_.empty()) return false;
      if (State().destination == Destination::kFontTable) fontBeingDefined_ = -1;
      states_.pop_back();
      toSkip_ = 0;
      if (states_.empty()) return true;
    } else if (c == '\\') {
      if (!ReadControl()) return false;
    } else if (c != '\r' && c != '\n') {
      AddByte(c);
    }
  }
  return false;  // the outermost group never closed
}

bool RtfReader::ReadControl() {
  if (at_ >= in_.size()) return false;
  char c = in_[at_];
  if (!std::isalpha(static_cast<unsigned char>(c))) {
    ++at_;
    switch (c) {
      case '\'': {
        if (at_ + 2 > in_.size()) return false;
        bool ok = false;
        int value = QByteArray(in_.data() + at_, 2).toInt(&ok, 16);
        if (!ok) return false;
        at_ += 2;
        AddByte(static_cast<char>(value));
        return true;
      }
      case '*':
        State().starred = true;
        return true;
      case '~':
        AddText(QString(QChar(0x00A0)));
        return true;
      case '_':
        AddText(QStringLiteral("-"));
        return true;
      case '\r':
      case '\n':
        ApplyWord("par", false, 0);
        return true;
      case '\\':
      case '{':
      case '}':
        AddByte(c);
        return true;
      default:
        return true;  // other control symbols carry nothing to show
    }
  }
  size_t start = at_;
  while (at_ < in_.size() && std::isalpha(static_cast<unsigned char>(in_[at_]))) ++at_;
  if (at_ - start > kMaxWordLength) return false;
  std::string word(in_.substr(start, at_ - start));
  bool negative = at_ < in_.size() && in_[at_] == '-';
  if (negative) ++at_;
  size_t digitsStart = at_;
  long parameter = 0;
  while (at_ < in_.size() && std::isdigit(static_cast<unsigned char>(in_[at_]))) {
    // Longer numbers are not RTF; they are cut, never overflowed.
    if (at_ - digitsStart < kMaxDigits) parameter = parameter * 10 + (in_[at_] - '0');
    ++at_;
  }
  bool hasParameter = at_ > digitsStart;
  if (negative) parameter = -parameter;
  if (at_ < in_.size() && in_[at_] == ' ') ++at_;
  ApplyWord(word, hasParameter, parameter);
  return true;
}

void RtfReader::ApplyWord(const std::string& word, bool hasParameter, long parameter) {
  GroupState& state = State();
  auto flag = [&](bool& target) {
    Flush();
    target = !hasParameter || parameter != 0;
  };
  if (state.destination == Destination::kSkip) return;
  if (word == "fonttbl") {
    state.destination = Destination::kFontTable;
  } else if (word == "colortbl") {
    state.destination = Destination::kColorTable;
    colors_.clear();
  } else if (IsSkippedDestination(word) || state.starred) {
    state.destination = Destination::kSkip;
  } else if (state.destination == Destination::kFontTable) {
    if (word == "f") fontBeingDefined_ = static_cast<int>(parameter);
    if (word == "fcharset" && fontBeingDefined_ >= 0) {
      fontCharsets_[fontBeingDefined_] = static_cast<int>(parameter);
    }
  } else if (state.destination == Destination::kColorTable) {
    int value = static_cast<int>(std::clamp(parameter, 0L, 255L));
    colorStarted_ = true;
    if (word == "red") colorBeingDefined_.setRed(value);
    if (word == "green") colorBeingDefined_.setGreen(value);
    if (word == "blue") colorBeingDefined_.setBlue(value);
  } else if (word == "ansicpg") {
    codePage_ = static_cast<int>(parameter);
  } else if (word == "par") {
    Flush();
    cursor_.insertBlock();
  } else if (word == "line") {
    AddText(QString(QChar(QChar::LineSeparator)));
  } else if (word == "tab") {
    AddText(QStringLiteral("\t"));
  } else if (word == "b") {
    flag(state.bold);
  } else if (word == "i") {
    flag(state.italic);
  } else if (word == "ul") {
    flag(state.underline);
  } else if (word == "ulnone") {
    Flush();
    state.underline = false;
  } else if (word == "plain") {
    Flush();
    state.bold = state.italic = state.underline = false;
    state.halfPoints = 24;
  } else if (word == "fs") {
    Flush();
    state.halfPoints = static_cast<int>(std::clamp(parameter, 2L, 2000L));
  } else if (word == "cf") {
    Flush();
    state.color = static_cast<int>(parameter);
  } else if (word == "f") {
    Flush();
    state.font = static_cast<int>(parameter);
  } else if (word == "uc") {
    state.unicodeSkip = static_cast<int>(std::clamp(parameter, 0L, 10L));
  } else if (word == "u") {
    long code = parameter < 0 ? parameter + 65536 : parameter;
    AddText(QString(QChar(static_cast<char16_t>(std::clamp(code, 0L, 65535L)))));
    toSkip_ = state.unicodeSkip;
  }
}

void RtfReader::AddByte(char byte) {
  if (toSkip_ > 0) {
    --toSkip_;
    return;
  }
  switch (State().destination) {
    case Destination::kText:
      pending_ += byte;
      break;
    case Destination::kColorTable:
      if (byte == ';') {
        colors_.push_back(colorStarted_ ? colorBeingDefined_ : QColor());
        colorBeingDefined_ = Qt::black;
        colorStarted_ = false;
      }
      break;
    case Destination::kFontTable:
    case Destination::kSkip:
      break;
  }
}

void RtfReader::AddText(const QString& text) {
  if (State().destination != Destination::kText) return;
  Flush();
  cursor_.insertText(text, Format());
}

void RtfReader::Flush() {
  if (pending_.empty()) return;
  cursor_.insertText(DecodeLenient(pending_, Charset()), Format());
  pending_.clear();
}

const char* RtfReader::Charset() const {
  auto font = fontCharsets_.find(states_.back().font);
  int charset = font == fontCharsets_.end() ? kDefaultCharset : font->second;
  if (charset == kShiftJisCharset) return kShiftJis;
  // The ANSI and default character sets mean the document's code page.
  bool followsCodePage = charset == kAnsiCharset || charset == kDefaultCharset;
  return followsCodePage && codePage_ == kShiftJisCodePage ? kShiftJis : kWestern;
}

QTextCharFormat RtfReader::Format() const {
  const GroupState& state = states_.back();
  QTextCharFormat format;
  format.setFontWeight(state.bold ? QFont::Bold : QFont::Normal);
  format.setFontItalic(state.italic);
  format.setFontUnderline(state.underline);
  format.setFontPointSize(state.halfPoints / 2.0);
  if (state.color > 0 && state.color < static_cast<int>(colors_.size()) &&
      colors_[static_cast<size_t>(state.color)].isValid()) {
    format.setForeground(colors_[static_cast<size_t>(state.color)]);
  }
  return format;
}

}  // namespace

bool ReadRtf(std::string_view bytes, QTextDocument& doc) {
  doc.clear();
  return RtfReader(bytes, doc).Read();
}
