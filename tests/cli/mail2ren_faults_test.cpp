// Faults met by the real mail2ren process: the earlier output is never
// damaged, and nothing is written unless the run succeeds.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/cli/mail2ren_runner.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

ProcessOptions AsOrdinaryUser() {
  ProcessOptions options;
  options.asOrdinaryUser = true;
  return options;
}

ProcessOptions FileSizeLimit(unsigned long bytes) {
  ProcessOptions options;
  options.fileSizeLimit = bytes;
  return options;
}

// Bytes the process has read so far (rchar in /proc/PID/io).
long BytesRead(int pid) {
  std::ifstream io("/proc/" + std::to_string(pid) + "/io");
  std::string key;
  long value = 0;
  while (io >> key >> value) {
    if (key == "rchar:") return value;
  }
  return 0;
}

const std::string kCannotOpen = "mail2ren: 開けないファイルがあります。 ";

class Mail2renFaultsTest : public ::testing::Test {
 protected:
  Mail2renFaultsTest() {
    // Open to an ordinary user, so tests can take permissions away from one.
    chmod(dir.path().c_str(), 0755);
    WriteFile(dir / "mail", "Subject: s\n");
    WriteFile(dir / "out.ren", "earlier");
    chmod((dir / "out.ren").c_str(), 0666);
  }

  // The run fails with status 1, the message on stderr, and changes nothing.
  void ExpectFailure(const std::vector<std::string>& args, const std::string& message,
                     const ProcessOptions& options = {}) {
    std::vector<std::string> before = dir.Names();
    ProcessResult result = Mail2ren(args, options);
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_THAT(result.err, StartsWith(message));
    EXPECT_EQ(ReadFile(dir / "out.ren"), "earlier");
    EXPECT_EQ(dir.Names(), before) << "no temporary file is left";
  }

  TempDir dir;
};

TEST_F(Mail2renFaultsTest, InputsThatAreNotRegularFiles) {
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
  ASSERT_EQ(symlink("/dev/zero", (dir / "zero").c_str()), 0);
  const std::pair<std::string, std::string> cases[] = {
      {dir / "fifo", "not a regular file"}, {"/dev/zero", "not a regular file"},
      {dir / "zero", "not a regular file"}, {dir.path(), "Is a directory"},
      {dir.path() + "/", "Is a directory"},
  };
  for (const auto& [input, reason] : cases) {
    ExpectFailure({"-o", dir / "out.ren", dir / "mail", input},
                  kCannotOpen + input + ": " + reason);
  }
}

TEST_F(Mail2renFaultsTest, InputUnderAnotherProgramsLock) {
  int fd = open((dir / "mail").c_str(), O_RDONLY);
  ASSERT_EQ(flock(fd, LOCK_EX), 0);
  ExpectFailure({"-o", dir / "out.ren", dir / "mail"},
                kCannotOpen + dir / "mail" + ": locked by another program");
  close(fd);
  EXPECT_EQ(Mail2ren({"-o", dir / "out.ren", dir / "mail"}).status, 0) << "unlocked, it reads";
}

TEST_F(Mail2renFaultsTest, InputWithoutReadPermission) {
  chmod(dir.path().c_str(), 0777);
  chmod((dir / "mail").c_str(), 0);
  ExpectFailure({"-o", dir / "out.ren", dir / "mail"},
                kCannotOpen + dir / "mail" + ": Permission denied", AsOrdinaryUser());
}

TEST_F(Mail2renFaultsTest, OutputPlacesThatCannotBeWritten) {
  ASSERT_EQ(mkdir((dir / "folder").c_str(), 0755), 0);
  const std::string missing = dir / "missing/out.ren";
  const std::string folder = dir / "folder";
  const std::string readOnly = dir / "folder/out.ren";
  // A folder the user cannot write to: owned by root when the test is root,
  // made read-only otherwise.
  if (geteuid() != 0) chmod(folder.c_str(), 0555);
  for (const std::string& output : {missing, folder, readOnly}) {
    ExpectFailure({"-o", output, dir / "mail"}, "mail2ren: ﾌｧｲﾙ " + output + " を作成できません",
                  AsOrdinaryUser());
  }
  chmod(folder.c_str(), 0755);
  chmod((dir / "out.ren").c_str(), 0444);
  ExpectFailure({"-o", dir / "out.ren", dir / "mail"},
                "mail2ren: ﾌｧｲﾙ " + dir / "out.ren" + " を作成できません", AsOrdinaryUser());
}

TEST_F(Mail2renFaultsTest, DiskFullPartWay) {
  WriteFile(dir / "big", std::string(4 << 20, 'x'));
  ExpectFailure({"-o", dir / "out.ren", dir / "mail", dir / "big"},
                "mail2ren: ｽﾄﾘｰﾑへの書き込みｴﾗｰ " + dir / "out.ren" + ": File too large",
                FileSizeLimit(1 << 20));
}

TEST_F(Mail2renFaultsTest, KilledWhileWritingLeavesEarlierOutput) {
  std::vector<std::string> args{"-q", "-o", dir / "out.ren"};
  std::string chunk(4 << 20, 'y');
  for (int i = 0; i < 25; ++i) {
    std::string name = "big" + std::to_string(i);
    WriteFile(dir / name, chunk);
    args.push_back(dir / name);
  }
  std::vector<std::string> before = dir.Names();
  int pid = StartProcess(MAIL2REN_PATH, args);
  // Killed once it has read a few mails, however fast the machine is.
  int status = 0;
  while (BytesRead(pid) < (16 << 20) && waitpid(pid, &status, WNOHANG) == 0) {
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  EXPECT_EQ(ReadFile(dir / "out.ren"), "earlier");
  EXPECT_EQ(dir.Names(), before) << "an unnamed temporary file vanishes with the process";
}

TEST_F(Mail2renFaultsTest, FileNamesThatCouldBreakARecord) {
  const std::pair<std::string, std::string> cases[] = {
      {"line\nbreak\r.wml", "#Fline break .wml"},
      {"\x83\x5cX.wml", "#FX.wml"},
      {"ends-with-backslash\\", ""},
  };
  for (const auto& [name, line] : cases) {
    WriteFile(dir / name, "body");
    ProcessResult result = Mail2ren({"-o", dir / "new.ren", dir / name});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> lines{"#S", "#W76"};
    if (!line.empty()) lines.push_back(line);
    for (const char* tail : {"body", "#E", ""}) lines.push_back(tail);
    EXPECT_EQ(ReadFile(dir / "new.ren"), CrLfText(lines)) << name;
  }
}

}  // namespace
