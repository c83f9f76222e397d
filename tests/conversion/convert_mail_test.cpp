#include "conversion/convert_mail.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

struct StringSink : ByteSink {
  std::string text;
  void Write(std::string_view bytes) override { text += bytes; }
};

std::vector<std::string> Lines(const LineList& list) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list[i]);
  return lines;
}

// The record of a mail with the given text.
std::vector<std::string> Record(std::string_view mail, const ConversionOptions& options = {},
                                std::string_view path = "C:\\mail\\0001.wml") {
  LineList mailLines;
  mailLines.SetText(mail);
  LineList output;
  ConvertMail(path, mailLines, options, output);
  return Lines(output);
}

// The record's lines between the width/file-name lines and "#E".
std::vector<std::string> Body(std::string_view mail) {
  ConversionOptions options;
  options.recordFileName = false;
  std::vector<std::string> lines = Record(mail, options);
  auto width = std::find(lines.begin(), lines.end(), "#W76");
  return std::vector<std::string>(width + 1, lines.end() - 2);
}

TEST(ConvertMail, WorkedExampleMatchesGoldenFile) {
  LineList mailLines;
  mailLines.LoadFromFile(FixturePath("worked_example.wml"));
  LineList output;
  ConvertMail("C:\\mail\\0001.wml", mailLines, ConversionOptions{}, output);
  StringSink sink;
  output.WriteTo(sink);
  EXPECT_EQ(sink.text, ReadFile(FixturePath("worked_example.ren")));
  EXPECT_EQ(mailLines[4], " #1") << "the mail lines are escaped in place";
}

TEST(ConvertMail, EmptyMailGivesFrameOnly) {
  EXPECT_THAT(Record(""), ElementsAre("#S", "#W76", "#F0001.wml", "#E", ""));
}

TEST(ConvertMail, KeywordLinesFollowFieldOrderNotMailOrder) {
  ConversionOptions all;
  all.includeTo = all.includeReplyTo = all.includeCc = true;
  std::string mail =
      "CC: c\nReply-To: r\nDate: d\nTo: t\nFrom: f\nSubject: s\nFrom: second\n\nbody\n";
  std::vector<std::string> lines = Record(mail, all);
  EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.begin() + 8),
              ElementsAre("#S", "#KSubject: s", "#KFrom: f", "#KTo: t", "#KDate: d",
                          "#KReply-To: r", "#KCC: c", "#T s"));
}

TEST(ConvertMail, HeaderMatching) {
  struct Case {
    const char* mail;
    bool everyField;
    std::vector<std::string> head;  // the lines after "#S" up to "#W76"
  };
  const Case cases[] = {
      {"Subject:Hello", false, {"#KSubject:Hello", "#THello"}},
      {"Subject:", false, {"#KSubject:", "#T"}},
      {"subject: x\nX-Subject: y\nSUBJECT: z", false, {}},
      {"Cc: a\ncc: b", true, {}},
      {"Reply-To: r", true, {"#KReply-To: r"}},
      {"From: a\n\nSubject: quoted", false, {"#KSubject: quoted", "#KFrom: a", "#T quoted"}},
      {"Subject: folded\n  more", false, {"#KSubject: folded", "#T folded"}},
      {"To: t\nFrom: f\nDate: d", false, {"#KFrom: f", "#KDate: d"}},
      {"Subject: \x83\x5c\x1a", false, {"#KSubject: \x83\x5c\x1a", "#T \x83\x5c\x1a"}},
  };
  for (const Case& c : cases) {
    ConversionOptions options;
    options.recordFileName = false;
    if (c.everyField) options.includeTo = options.includeReplyTo = options.includeCc = true;
    std::vector<std::string> lines = Record(c.mail, options);
    auto width = std::find(lines.begin(), lines.end(), "#W76");
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 1, width), ElementsAreArray(c.head))
        << c.mail;
  }
}

TEST(ConvertMail, NoOptionalFieldsStillGivesSubject) {
  ConversionOptions none;
  none.includeFrom = none.includeDate = false;
  none.recordFileName = false;
  EXPECT_THAT(Record("From: f\nDate: d\nSubject: s", none),
              ElementsAre("#S", "#KSubject: s", "#T s", "#W76", "From: f", "Date: d", "Subject: s",
                          "#E", ""));
}

TEST(ConvertMail, BodyEscaping) {
  struct Case {
    const char* mail;
    std::vector<std::string> body;
  };
  const Case cases[] = {
      {"#1", {" #1"}},
      {"#E\n#S", {" #E", " #S"}},
      {" #already", {" #already"}},
      {"a\x1a"
       "b\x1a"
       "c",
       {"ab\x1a"
        "c"}},
      {"x\r\n\x1a", {"x", ""}},
      {"#\x1a#", {" ##"}},
      // A 0x1A byte in front of "#" must not let the line pass for a tag.
      {"\x1a#E", {" #E"}},
      {"\x1a#S\n\x1a\x1a#", {" #S", "\x1a#"}},
      {"plain\ttext", {"plain\ttext"}},
  };
  for (const Case& c : cases) EXPECT_THAT(Body(c.mail), ElementsAreArray(c.body)) << c.mail;
}

TEST(ConvertMail, WidthLine) {
  struct Case {
    std::string width;
    std::string line;
  };
  const Case cases[] = {
      {"80", "#W80"},   {"", "#W76"},         {" 8", "#W 8"},
      {"abc", "#Wabc"}, {"7\r\n6", "#W7  6"}, {"\x82\x56", "#W\x82\x56"},
  };
  for (const Case& c : cases) {
    ConversionOptions options;
    options.widthText = c.width;
    EXPECT_EQ(Record("", options)[1], c.line) << c.width;
  }
}

TEST(ConvertMail, FileNameLine) {
  struct Case {
    std::string path;
    std::vector<std::string> lines;  // the lines after "#W76"
  };
  const Case cases[] = {
      {"C:\\mail\\0001.wml", {"#F0001.wml", "#E", ""}},
      {"/home/taro/mail/0001.wml", {"#F0001.wml", "#E", ""}},
      {"0001.wml", {"#F0001.wml", "#E", ""}},
      {"C:\\mail\\", {"#E", ""}},
      {"/home/taro/mail/", {"#E", ""}},
      {"/mail/a\\b.wml", {"#Fb.wml", "#E", ""}},
      // Byte-wise: the 0x5C trail byte of a Shift-JIS character cuts the name.
      {"C:\\mail\\\x83\x5cX.wml", {"#FX.wml", "#E", ""}},
      {"/mail/line\nbreak\r.wml", {"#Fline break .wml", "#E", ""}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines = Record("", ConversionOptions{}, c.path);
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 2, lines.end()), ElementsAreArray(c.lines))
        << c.path;
  }
  ConversionOptions off;
  off.recordFileName = false;
  EXPECT_THAT(Record("", off), ElementsAre("#S", "#W76", "#E", ""));
}

}  // namespace
