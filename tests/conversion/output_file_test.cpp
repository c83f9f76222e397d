#include "conversion/output_file.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "conversion/conversion_error.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;

mode_t ModeOf(const std::string& path) {
  struct stat st;
  EXPECT_EQ(stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

void WriteAndCommit(const std::string& path, std::string_view bytes) {
  OutputFile file(path);
  file.Write(bytes);
  file.Commit();
}

TEST(OutputFile, NewFileGetsUmaskMode) {
  TempDir dir;
  mode_t old = umask(027);
  WriteAndCommit(dir / "new.ren", "abc");
  umask(old);
  EXPECT_EQ(ReadFile(dir / "new.ren"), "abc");
  EXPECT_EQ(ModeOf(dir / "new.ren"), 0640u);
  EXPECT_THAT(dir.Names(), ElementsAre("new.ren"));
}

TEST(OutputFile, ReplacedFileKeepsItsMode) {
  TempDir dir;
  WriteFile(dir / "out.ren", "old contents that are longer");
  chmod((dir / "out.ren").c_str(), 0604);
  WriteAndCommit(dir / "out.ren", "new");
  EXPECT_EQ(ReadFile(dir / "out.ren"), "new");
  EXPECT_EQ(ModeOf(dir / "out.ren"), 0604u);
}

TEST(OutputFile, SymbolicLinkReplacesTheFileItPointsTo) {
  TempDir dir;
  ASSERT_EQ(mkdir((dir / "real").c_str(), 0700), 0);
  WriteFile(dir / "real/out.ren", "old");
  ASSERT_EQ(symlink("real/out.ren", (dir / "link.ren").c_str()), 0);
  WriteAndCommit(dir / "link.ren", "new");
  EXPECT_EQ(ReadFile(dir / "real/out.ren"), "new");
  struct stat st;
  ASSERT_EQ(lstat((dir / "link.ren").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
}

TEST(OutputFile, LargeWritesArriveWhole) {
  TempDir dir;
  std::string big(3 << 20, 'q');
  OutputFile file(dir / "out.ren");
  file.Write("a");
  file.Write(big);
  file.Write("z");
  file.Commit();
  EXPECT_EQ(ReadFile(dir / "out.ren"), "a" + big + "z");
}

TEST(OutputFile, UncommittedLeavesOldFileAndNoTemporary) {
  TempDir dir;
  WriteFile(dir / "out.ren", "old");
  {
    OutputFile file(dir / "out.ren");
    file.Write(std::string(5 << 20, 'x'));
  }
  EXPECT_EQ(ReadFile(dir / "out.ren"), "old");
  EXPECT_THAT(dir.Names(), ElementsAre("out.ren"));
}

// Creating fails with the create message naming the path; nothing changes.
void ExpectCannotCreate(const TempDir& dir, const std::string& path) {
  std::vector<std::string> before = dir.Names();
  try {
    OutputFile file(path);
    file.Commit();
    ADD_FAILURE() << path << " was created";
  } catch (const OutputError& error) {
    EXPECT_EQ(error.what(), "ﾌｧｲﾙ " + path + " を作成できません");
    EXPECT_EQ(error.path(), path);
  }
  EXPECT_EQ(dir.Names(), before);
}

TEST(OutputFile, PathsThatCannotBeCreated) {
  TempDir dir;
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0700), 0);
  ExpectCannotCreate(dir, dir / "missing/out.ren");
  ExpectCannotCreate(dir, dir / "folder");
  ExpectCannotCreate(dir, "");
  ASSERT_EQ(symlink("loop", (dir / "loop").c_str()), 0);
  ExpectCannotCreate(dir, dir / "loop");
}

TEST(OutputFile, ReadOnlyPlacesCannotBeCreated) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes anywhere";
  TempDir dir;
  WriteFile(dir / "locked.ren", "old");
  chmod((dir / "locked.ren").c_str(), 0444);
  ExpectCannotCreate(dir, dir / "locked.ren");
  EXPECT_EQ(ReadFile(dir / "locked.ren"), "old");
  chmod(dir.path().c_str(), 0500);
  ExpectCannotCreate(dir, dir / "new.ren");
  chmod(dir.path().c_str(), 0700);
}

TEST(OutputFile, WriteFailingPartWayKeepsOldFile) {
  TempDir dir;
  WriteFile(dir / "out.ren", "old");
  struct rlimit old;
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 1 << 20;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  std::string what;
  try {
    OutputFile file(dir / "out.ren");
    for (int i = 0; i < 4; ++i) file.Write(std::string(1 << 20, 'x'));
    file.Commit();
  } catch (const OutputError& error) {
    what = error.what();
  }
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(what, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
  EXPECT_EQ(ReadFile(dir / "out.ren"), "old");
  EXPECT_THAT(dir.Names(), ElementsAre("out.ren"));
}

}  // namespace
