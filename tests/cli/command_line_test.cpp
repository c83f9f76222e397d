#include "cli/command_line.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;

TEST(ParseCommandLine, Defaults) {
  CommandLine line = ParseCommandLine({"-o", "out.ren", "a.wml", "b.wml"});
  EXPECT_EQ(line.output, "out.ren");
  EXPECT_THAT(line.mails, ElementsAre("a.wml", "b.wml"));
  const ConversionOptions& o = line.options;
  EXPECT_TRUE(o.includeFrom && o.includeDate && o.recordFileName);
  EXPECT_FALSE(o.includeTo || o.includeReplyTo || o.includeCc);
  EXPECT_EQ(o.widthText, "76");
  EXPECT_FALSE(line.quiet);
}

TEST(ParseCommandLine, KeywordFields) {
  struct Case {
    const char* list;
    bool from, to, date, replyTo, cc;
  };
  const Case cases[] = {
      {"", false, false, false, false, false},
      {"to,cc", false, true, false, false, true},
      {"From,TO,date,reply-to,cc", true, true, true, true, true},
      {"date,,date", false, false, true, false, false},
  };
  for (const Case& c : cases) {
    ConversionOptions o = ParseCommandLine({"-k", c.list, "-o", "x", "m"}).options;
    EXPECT_EQ(o.includeFrom, c.from) << c.list;
    EXPECT_EQ(o.includeTo, c.to) << c.list;
    EXPECT_EQ(o.includeDate, c.date) << c.list;
    EXPECT_EQ(o.includeReplyTo, c.replyTo) << c.list;
    EXPECT_EQ(o.includeCc, c.cc) << c.list;
  }
}

TEST(ParseCommandLine, SpellingsOfOptions) {
  CommandLine line = ParseCommandLine({"--output=o.ren", "-w", "", "--no-file-name", "-q", "-Tlist",
                                       "--files-from", "-", "--", "-odd.wml", "-"});
  EXPECT_EQ(line.output, "o.ren");
  EXPECT_EQ(line.options.widthText, "");
  EXPECT_FALSE(line.options.recordFileName);
  EXPECT_TRUE(line.quiet);
  EXPECT_THAT(line.lists, ElementsAre("list", "-"));
  EXPECT_THAT(line.mails, ElementsAre("-odd.wml", "-"));
  EXPECT_EQ(ParseCommandLine({"-oout", "--width=80", "m"}).options.widthText, "80");
  EXPECT_EQ(ParseCommandLine({"--help"}).action, CommandLine::Action::kHelp);
  EXPECT_EQ(ParseCommandLine({"--version"}).action, CommandLine::Action::kVersion);
}

TEST(ParseCommandLine, UsageErrors) {
  const std::vector<std::vector<std::string>> cases = {
      {"a.wml"},
      {"-o", "out.ren"},
      {"-o", "", "a.wml"},
      {"-o"},
      {"-k", "bcc", "-o", "x", "a"},
      {"--bogus", "-o", "x", "a"},
      {"-q1", "-o", "x", "a"},
      {"--no-file-name=yes", "-o", "x", "a"},
  };
  for (const auto& args : cases) {
    EXPECT_THROW(ParseCommandLine(args), UsageError) << ::testing::PrintToString(args);
  }
}

}  // namespace
