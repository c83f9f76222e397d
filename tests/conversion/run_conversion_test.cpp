#include "conversion/run_conversion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "conversion/conversion_error.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

const char* const kChoose =
    "ファイルを指定してください。\nまたは処理するファイルが多すぎますので、\n分割して指定してくださ"
    "い。";
const char* const kCompleted =
    "お待たせしました。\n処理は終了しました。\nあとはQueltaさんに\n登録してもらってください。";

// Records every report as one line of text, in order.
class FakeWindows : public ProgressView, public MessageView, public ProgramControl {
 public:
  void SetPosition(int percent) override { log.push_back("bar " + std::to_string(percent)); }
  void SetLabelText(std::string_view text) override { log.push_back("label " + std::string(text)); }
  void EnableClose() override { log.push_back("close"); }
  void Show() override { log.push_back("show"); }
  void ShowMessage(std::string_view text, std::string_view detail) override {
    log.push_back("message " + std::string(text));
    details.emplace_back(detail);
  }
  void EndProgram(int status) override { log.push_back("end " + std::to_string(status)); }

  std::vector<std::string> log;
  std::vector<std::string> details;
};

class RunConversionTest : public ::testing::Test {
 protected:
  // Mails named A, B, ... each holding its own name as subject.
  void MakeMails(const std::string& names) {
    for (char name : names) {
      std::string path = dir / std::string(1, name);
      WriteFile(path, "Subject: " + std::string(1, name) + "\n");
      inputs.push_back(path);
    }
  }

  void Run() {
    RunConversion({inputs, outputs, options, mailLines, outputLines, windows, windows, windows});
  }

  TempDir dir;
  std::vector<std::string> inputs;
  std::vector<std::string> outputs{dir / "out.ren"};
  ConversionOptions options;
  LineList mailLines;
  LineList outputLines;
  FakeWindows windows;
};

TEST_F(RunConversionTest, ExchangesFirstAndLastInput) {
  struct Case {
    std::string given;
    std::string written;
  };
  const Case cases[] = {{"A", "A"}, {"AB", "BA"}, {"ABC", "CBA"}, {"ABCD", "DBCA"}};
  for (const Case& c : cases) {
    inputs.clear();
    MakeMails(c.given);
    Run();
    EXPECT_EQ(SubjectOrder(outputs.front()), c.written);
  }
}

TEST_F(RunConversionTest, SecondRunExchangesBack) {
  MakeMails("ABCD");
  Run();
  EXPECT_EQ(SubjectOrder(outputs.front()), "DBCA");
  Run();
  EXPECT_EQ(SubjectOrder(outputs.front()), "ABCD");
}

TEST_F(RunConversionTest, ReportsBarBeforeEachMailThenCompletion) {
  MakeMails("ABC");
  Run();
  EXPECT_THAT(windows.log,
              ElementsAre("bar 0", "show", "bar 33", "show", "bar 66", "show",
                          std::string("label ") + kCompleted, "bar 100", "close", "show"));
}

TEST_F(RunConversionTest, OneMail) {
  MakeMails("A");
  Run();
  EXPECT_THAT(windows.log, ElementsAre("bar 0", "show", std::string("label ") + kCompleted,
                                       "bar 100", "close", "show"));
  EXPECT_EQ(ReadFile(outputs.front()),
            CrLfText({"#S", "#KSubject: A", "#T A", "#W76", "#FA", "Subject: A", "#E", ""}));
}

TEST_F(RunConversionTest, IncompleteSelectionShowsMessageAndWritesNothing) {
  MakeMails("AB");
  std::vector<std::string> none;
  std::vector<std::string> two{dir / "x.ren", dir / "y.ren"};
  for (auto [in, out] :
       {std::pair{none, outputs}, std::pair{inputs, none}, std::pair{inputs, two}}) {
    FakeWindows fresh;
    mailLines.SetText("left from before");
    RunConversion({in, out, options, mailLines, outputLines, fresh, fresh, fresh});
    EXPECT_THAT(fresh.log, ElementsAre(std::string("message ") + kChoose));
    EXPECT_EQ(mailLines.Count(), 0u) << "the lists are emptied first";
  }
  EXPECT_THAT(inputs, ElementsAre(dir / "A", dir / "B")) << "not exchanged";
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B"));
}

TEST_F(RunConversionTest, UnreadableInputEndsProgramWithStatusOneAndKeepsOutput) {
  MakeMails("ABC");
  WriteFile(outputs.front(), "earlier output");
  inputs[1] = dir / "missing";
  Run();
  EXPECT_THAT(windows.log, ElementsAre("bar 0", "show", "bar 33", "show",
                                       "message 開けないファイルがあります。", "end 1"));
  EXPECT_THAT(windows.details, ElementsAre(dir / "missing" + ": No such file or directory"));
  EXPECT_EQ(ReadFile(outputs.front()), "earlier output");
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B", "C", "out.ren")) << "no temporary file left";
}

TEST_F(RunConversionTest, OutputFailureEscapesAndLeavesProgressAsItWas) {
  MakeMails("AB");
  outputs = {dir / "no-such-folder/out.ren"};
  EXPECT_THROW(Run(), OutputError);
  EXPECT_THAT(windows.log, IsEmpty());
  EXPECT_THAT(dir.Names(), ElementsAre("A", "B"));
}

TEST_F(RunConversionTest, OutputMayBeOneOfTheInputs) {
  MakeMails("AB");
  outputs = {inputs.back()};
  Run();
  EXPECT_EQ(SubjectOrder(outputs.front()), "BA");
}

}  // namespace
