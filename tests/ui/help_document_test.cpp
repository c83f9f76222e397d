#include "ui/help_document.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "ui/help_file_path.h"
#include "ui/rtf_reader.h"

namespace {

using namespace std::string_literals;

QString Text(const QTextDocument& doc) { return doc.toPlainText(); }

// The character format at the first occurrence of text.
QTextCharFormat FormatAt(QTextDocument& doc, const QString& text) {
  QTextCursor found = doc.find(text);
  EXPECT_FALSE(found.isNull()) << text.toStdString();
  QTextCursor at(&doc);
  at.setPosition(found.selectionStart() + 1);
  return at.charFormat();
}

TEST(HelpFilePath, ReplacesOrAddsTheExtension) {
  const std::pair<std::string, std::string> cases[] = {
      {"/usr/bin/quelta-letter", "/usr/bin/quelta-letter.RTF"},
      {"C:\\tools\\prog.exe", "C:\\tools\\prog.RTF"},
      {"/opt/q.v1/prog", "/opt/q.v1/prog.RTF"},
      {"/home/u/.hidden", "/home/u/.hidden.RTF"},
      {"/x/prog.bin", "/x/prog.RTF"},
  };
  for (const auto& [program, help] : cases) EXPECT_EQ(HelpFilePath(program), help) << program;
}

TEST(ReadRtf, TextParagraphsAndEscapes) {
  const std::pair<std::string, QString> cases[] = {
      {R"({\rtf1 Hello\par World})", "Hello\nWorld"},
      {R"({\rtf1 a\line b\tab c})", "a\nb\tc"},
      {R"({\rtf1 \{braces\} and \\ slash})", "{braces} and \\ slash"},
      {"{\\rtf1 one\r\ntwo}", "onetwo"},
      {R"({\rtf1 caf\'e9})", QString::fromUtf8("café")},
      {R"({\rtf1\ansi\ansicpg932 \'93\'fa\'96\'7b})", QString::fromUtf8("日本")},
      {R"({\rtf1{\fonttbl{\f1\fcharset128 Gothic;}}\f1 \'82\'a0})", QString::fromUtf8("あ")},
      {R"({\rtf1 \u26085?\u26412? end})", QString::fromUtf8("日本 end")},
      {R"({\rtf1\uc2 \u-3913??x})", QString(QChar(0xF0B7)) + "x"},
      {R"({\rtf1\uc1 \u26085\'3f!})", QString::fromUtf8("日!")},
      {R"({\rtf1{\info{\title T}}{\*\unknown x}{\stylesheet{s}}{\pict 0a0b}Body})", "Body"},
      {R"({\rtf1 a}trailing garbage)", "a"},
  };
  for (const auto& [rtf, text] : cases) {
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(rtf, doc)) << rtf;
    EXPECT_EQ(Text(doc), text) << rtf;
  }
}

TEST(ReadRtf, CharacterFormats) {
  QTextDocument doc;
  ASSERT_TRUE(ReadRtf(
      R"({\rtf1{\colortbl;\red255\green0\blue0;}plain {\b bold} {\i\ul both}\ul0 {\fs40 big}{\cf1 red} after})",
      doc));
  EXPECT_EQ(FormatAt(doc, "plain").fontWeight(), QFont::Normal);
  EXPECT_EQ(FormatAt(doc, "bold").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatAt(doc, "both").fontItalic());
  EXPECT_TRUE(FormatAt(doc, "both").fontUnderline());
  EXPECT_DOUBLE_EQ(FormatAt(doc, "big").fontPointSize(), 20.0);
  EXPECT_EQ(FormatAt(doc, "red").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatAt(doc, "after").fontWeight(), QFont::Normal) << "groups restore the format";
}

TEST(ReadRtf, RejectsWhatIsNotWellFormedRtf) {
  const std::string cases[] = {
      "plain text",
      R"({\rtf1 never closed)",
      R"({\rtf1 cut escape\'4)",
      R"({\rtf1 bad escape\'zz})",
      R"({\rtf1 ends with a backslash\)",
      std::string(300, '{').insert(1, "\\rtf1") + std::string(300, '}'),
      R"({\rtf1 )" + std::string(100, 'a') + "word" + "\\" + std::string(100, 'x') + "}",
  };
  for (const std::string& rtf : cases) {
    QTextDocument doc;
    EXPECT_FALSE(ReadRtf(rtf, doc)) << rtf.substr(0, 60);
  }
}

TEST(ReadRtf, HugeNumbersAreCutNotOverflowed) {
  QTextDocument doc;
  ASSERT_TRUE(
      ReadRtf(R"({\rtf1\fs99999999999999999999 a\u-99999999999999999 b\uc999999999999 c})", doc));
  EXPECT_TRUE(Text(doc).startsWith("a"));
}

TEST(LoadHelpDocument, PlainTextIsUtf8OrShiftJis) {
  const std::pair<std::string, QString> cases[] = {
      {"line one\r\nline two\rthree\nfour", "line one\nline two\nthree\nfour"},
      {"\xe6\x97\xa5\xe6\x9c\xac UTF-8", QString::fromUtf8("日本 UTF-8")},
      {"\x93\xfa\x96\x7b Shift-JIS", QString::fromUtf8("日本 Shift-JIS")},
      {R"({\rtf1 unbalanced)", R"({\rtf1 unbalanced)"},
  };
  for (const auto& [bytes, text] : cases) {
    QTextDocument doc;
    ASSERT_TRUE(LoadHelpDocument(bytes, doc)) << bytes;
    EXPECT_EQ(Text(doc), text) << bytes;
  }
}

TEST(LoadHelpDocument, RejectsBytesThatAreNeitherUtf8NorShiftJis) {
  QTextDocument doc;
  EXPECT_FALSE(LoadHelpDocument("\x80\xff\xfe\xa0\x85", doc));
}

}  // namespace
