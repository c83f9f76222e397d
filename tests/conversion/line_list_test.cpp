#include "conversion/line_list.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "conversion/conversion_error.h"
#include "conversion/split_lines.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using namespace std::string_literals;

std::vector<std::string> Lines(const LineList& list) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < list.Count(); ++i) lines.emplace_back(list[i]);
  return lines;
}

struct StringSink : ByteSink {
  std::string text;
  void Write(std::string_view bytes) override { text += bytes; }
};

TEST(SplitLines, LineBreakRules) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"\r\n", {""}},
      {"\n", {""}},
      {"\r", {""}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n\n", {"", ""}},
      {"a\r\nb\0c\r\nd"s, {"a", "b"}},
      {"\0abc"s, {}},
      {"a\r\0\nb"s, {"a"}},
      {"\x1a\x83\x5c\xff\x01", {"\x1a\x83\x5c\xff\x01"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string_view> lines;
    SplitLines(c.text, lines);
    EXPECT_THAT(std::vector<std::string>(lines.begin(), lines.end()), ElementsAreArray(c.lines))
        << ::testing::PrintToString(c.text);
  }
}

TEST(LineList, WritesEveryLineWithCrLf) {
  LineList list;
  StringSink empty;
  list.WriteTo(empty);
  EXPECT_EQ(empty.text, "");

  list.SetText("one\ntwo\rthree");
  list.Append("");
  list.Replace(1, {"T", "WO"});
  StringSink sink;
  list.WriteTo(sink);
  EXPECT_EQ(sink.text, "one\r\nTWO\r\nthree\r\n\r\n");

  LineList again;
  again.SetText(sink.text);
  EXPECT_EQ(Lines(again), Lines(list)) << "written lines read back the same";
}

TEST(LineList, KeepsLinesAcrossManyAppendsAndReplaces) {
  LineList list;
  std::string big(200000, 'x');
  for (int i = 0; i < 1000; ++i) list.Append(std::to_string(i));
  list.Append(big);
  list.Replace(0, {big});
  LineList copy;
  copy.AppendAll(list);
  ASSERT_EQ(copy.Count(), 1001u);
  EXPECT_EQ(copy[0], big);
  EXPECT_EQ(copy[999], "999");
  EXPECT_EQ(copy[1000], big);
  list.Clear();
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(copy[500], "500");
}

TEST(LineList, StreamsLinesToSinkWithoutHoldingThem) {
  StringSink sink;
  LineList body;
  body.SetText("one\ntwo");
  std::string longLine(1 << 20, 'L');
  LineList list;
  list.StreamTo(&sink);
  list.Append("#S");
  list.Append({"#K", longLine});
  list.AppendAll(body);
  for (int i = 0; i < 100000; ++i) list.Append({"#", std::to_string(i)});
  EXPECT_LT(list.Count(), 100000u) << "written lines are not held";
  list.Flush();
  EXPECT_EQ(list.Count(), 0u);
  list.StreamTo(nullptr);

  std::string expected = "#S\r\n#K" + longLine + "\r\none\r\ntwo\r\n";
  for (int i = 0; i < 100000; ++i) expected += "#" + std::to_string(i) + "\r\n";
  EXPECT_EQ(sink.text, expected);
}

TEST(LineList, ReplacedLinesKeepOldBytesInPlace) {
  LineList list;
  list.SetText("#first\nsecond");
  std::string_view old = list[0];
  list.Replace(0, {" ", old});
  EXPECT_EQ(list[0], " #first");
  EXPECT_EQ(old, "#first") << "views of the old line stay valid";
}

TEST(LineList, LoadsFileWhole) {
  TempDir dir;
  std::string text = "Subject: x\r\n" + std::string(3 << 20, 'a') + "\n#end";
  WriteFile(dir / "big.wml", text);
  LineList list;
  list.LoadFromFile(dir / "big.wml");
  ASSERT_EQ(list.Count(), 3u);
  EXPECT_EQ(list[1].size(), 3u << 20);
  EXPECT_EQ(list[2], "#end");
}

// Loading fails with the input message, names the path and leaves the list as it was.
void ExpectCannotOpen(const std::string& path, const std::string& reason = "") {
  LineList list;
  list.SetText("kept");
  try {
    list.LoadFromFile(path);
    ADD_FAILURE() << path << " was read";
  } catch (const InputOpenError& error) {
    EXPECT_STREQ(error.what(), "開けないファイルがあります。");
    EXPECT_EQ(error.path(), path);
    if (!reason.empty()) {
      EXPECT_EQ(error.reason(), reason);
    }
  }
  EXPECT_THAT(Lines(list), ElementsAre("kept"));
}

TEST(LineList, InputsThatCannotBeOpened) {
  TempDir dir;
  ExpectCannotOpen(dir / "missing.wml", "No such file or directory");
  ExpectCannotOpen(dir.path(), "Is a directory");
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  ExpectCannotOpen(dir / "fifo", "not a regular file");
  ExpectCannotOpen("/dev/zero", "not a regular file");
}

TEST(LineList, UnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  TempDir dir;
  WriteFile(dir / "secret.wml", "x");
  chmod((dir / "secret.wml").c_str(), 0);
  ExpectCannotOpen(dir / "secret.wml", "Permission denied");
}

TEST(LineList, FileUnderExclusiveFlockIsHeld) {
  TempDir dir;
  WriteFile(dir / "held.wml", "x");
  int fd = open((dir / "held.wml").c_str(), O_RDWR);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  ExpectCannotOpen(dir / "held.wml", "locked by another program");
  flock(fd, LOCK_UN);
  LineList list;
  list.LoadFromFile(dir / "held.wml");
  EXPECT_THAT(Lines(list), ElementsAre("x"));
  close(fd);
}

TEST(LineList, FileUnderAnotherProcessFcntlWriteLockIsHeld) {
  TempDir dir;
  WriteFile(dir / "held.wml", "x");
  int ready[2];
  int release[2];
  ASSERT_EQ(pipe(ready), 0);
  ASSERT_EQ(pipe(release), 0);
  pid_t child = fork();
  if (child == 0) {
    close(release[1]);
    int fd = open((dir / "held.wml").c_str(), O_RDWR);
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    char byte = fcntl(fd, F_SETLK, &lock) == 0 ? 'y' : 'n';
    if (write(ready[1], &byte, 1) != 1 || read(release[0], &byte, 1) < 0) _exit(1);
    _exit(0);
  }
  char byte = 0;
  ASSERT_EQ(read(ready[0], &byte, 1), 1);
  ASSERT_EQ(byte, 'y');
  ExpectCannotOpen(dir / "held.wml", "locked by another program");
  close(release[1]);
  waitpid(child, nullptr, 0);
  for (int fd : {ready[0], ready[1], release[0]}) close(fd);
}

}  // namespace
