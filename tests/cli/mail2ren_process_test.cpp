#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/cli/mail2ren_runner.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class Mail2renTest : public ::testing::Test {
 protected:
  Mail2renTest() {
    for (char name : std::string("ABC")) {
      WriteFile(dir / std::string(1, name), "Subject: " + std::string(1, name) + "\n");
    }
  }

  TempDir dir;
};

TEST_F(Mail2renTest, ConvertsInTheOrderGiven) {
  ProcessResult result = Mail2ren({"-o", dir / "out.ren", dir / "A", dir / "B", dir / "C"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "") << "no progress when stderr is not a terminal";
  EXPECT_EQ(SubjectOrder(dir / "out.ren"), "ABC");
}

TEST_F(Mail2renTest, OptionsReachTheRecords) {
  WriteFile(dir / "m", "Subject: s\nTo: t\nFrom: f\n");
  ProcessResult result =
      Mail2ren({"-k", "to", "-w", "80", "--no-file-name", "-q", "-o", dir / "out.ren", dir / "m"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(ReadFile(dir / "out.ren"), CrLfText({"#S", "#KSubject: s", "#KTo: t", "#T s", "#W80",
                                                 "Subject: s", "To: t", "From: f", "#E", ""}));
}

TEST_F(Mail2renTest, ListsFollowTheCommandLine) {
  WriteFile(dir / "list", dir / "C" + "\n\n" + dir / "A" + "\n");
  ProcessResult result = Mail2ren({"-o", dir / "out.ren", "-T", dir / "list", "-T", "-", dir / "B"},
                                  {.input = dir / "B" + "\n", .fileSizeLimit = std::nullopt});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(SubjectOrder(dir / "out.ren"), "BCAB");
}

TEST_F(Mail2renTest, UsageErrorsExitTwo) {
  const std::vector<std::vector<std::string>> cases = {
      {dir / "A"}, {"-o", dir / "out.ren"}, {"-k", "bcc", "-o", dir / "out.ren", dir / "A"}};
  for (const auto& args : cases) {
    ProcessResult result = Mail2ren(args);
    EXPECT_EQ(result.status, 2);
    EXPECT_THAT(result.err, HasSubstr("Usage: mail2ren"));
  }
  WriteFile(dir / "empty-list", "");
  EXPECT_EQ(Mail2ren({"-o", dir / "out.ren", "-T", dir / "empty-list"}).status, 2);
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B", "C", "empty-list"));
}

TEST_F(Mail2renTest, HelpAndVersion) {
  ProcessResult help = Mail2ren({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, StartsWith("Usage: mail2ren"));
  ProcessResult version = Mail2ren({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "mail2ren 1.05\n");
}

TEST_F(Mail2renTest, FailuresExitOneAndKeepTheOutput) {
  WriteFile(dir / "out.ren", "earlier");
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  const Case cases[] = {
      {{"-o", dir / "out.ren", dir / "A", dir / "missing"},
       "mail2ren: 開けないファイルがあります。 " + dir / "missing" +
           ": No such file or directory\n"},
      {{"-o", dir / "out.ren", dir.path()},
       "mail2ren: 開けないファイルがあります。 " + dir.path() + ": Is a directory\n"},
      {{"-o", dir / "out.ren", "-T", dir / "no-list"},
       "mail2ren: " + dir / "no-list" + ": No such file or directory\n"},
  };
  for (const Case& c : cases) {
    ProcessResult result = Mail2ren(c.args);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, c.message);
    EXPECT_EQ(ReadFile(dir / "out.ren"), "earlier");
  }
  ProcessResult noFolder = Mail2ren({"-o", dir / "none/out.ren", dir / "A"});
  EXPECT_EQ(noFolder.status, 1);
  EXPECT_THAT(noFolder.err,
              StartsWith("mail2ren: ﾌｧｲﾙ " + dir / "none/out.ren" + " を作成できません"));
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B", "C", "out.ren"));
}

TEST_F(Mail2renTest, OutputMayBeAnInput) {
  ProcessResult result = Mail2ren({"-o", dir / "A", dir / "A", dir / "B"});
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(SubjectOrder(dir / "A"), "AB");
}

}  // namespace
