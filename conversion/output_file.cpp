#include "conversion/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "conversion/conversion_error.h"
#include "conversion/messages.h"

namespace {

constexpr int kMaxLinkHops = 40;
constexpr size_t kWritebackStep = 8 << 20;

// The folder part of path, with its trailing slash, or "" for a bare name.
std::string FolderOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string BaseOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

mode_t NewFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A name for the temporary file that no other run is likely to pick.
std::string TempName(const std::string& target, unsigned attempt) {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return FolderOf(target) + "." + BaseOf(target) + "." + std::to_string(getpid()) + "-" +
         std::to_string(ticks % 1000000007) + "-" + std::to_string(attempt) + ".tmp";
}

}  // namespace

OutputFile::OutputFile(const std::string& path) : path_(path), target_(path) {
  if (path.empty()) FailCreate(ENOENT);
  // A symbolic link at the output path: the file it points to is replaced.
  for (int hops = 0;; ++hops) {
    struct stat st;
    if (lstat(target_.c_str(), &st) != 0) {
      if (errno != ENOENT) FailCreate(errno);
      mode_ = NewFileMode();
      break;
    }
    if (S_ISLNK(st.st_mode)) {
      if (hops == kMaxLinkHops) FailCreate(ELOOP);
      std::string link(static_cast<size_t>(st.st_size) + 256, '\0');
      ssize_t length = readlink(target_.c_str(), link.data(), link.size());
      if (length < 0) FailCreate(errno);
      link.resize(static_cast<size_t>(length));
      target_ = link.starts_with('/') ? link : FolderOf(target_) + link;
      continue;
    }
    if (S_ISDIR(st.st_mode)) FailCreate(EISDIR);
    // Devices, FIFOs and sockets are never replaced by a regular file.
    if (!S_ISREG(st.st_mode)) FailCreate(EINVAL);
    if (access(target_.c_str(), W_OK) != 0) FailCreate(errno);
    replacesFile_ = true;
    mode_ = st.st_mode & 07777;
    owner_ = st.st_uid;
    group_ = st.st_gid;
    break;
  }

  buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
  std::string folder = FolderOf(target_);
  if (folder.empty()) folder = ".";
  // An unnamed file vanishes by itself if the process dies while writing.
  fd_ = open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
    for (unsigned attempt = 0; fd_ < 0 && attempt < 100; ++attempt) {
      tempPath_ = TempName(target_, attempt);
      fd_ = open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) tempPath_.clear();
  }
  if (fd_ < 0) FailCreate(errno);
}

OutputFile::~OutputFile() {
  if (fd_ >= 0) close(fd_);
  if (!tempPath_.empty()) unlink(tempPath_.c_str());
}

void OutputFile::WriteLarge(std::string_view bytes) {
  Flush();
  if (bytes.size() >= kBufferSize) {
    WriteOut(bytes.data(), bytes.size());
  } else {
    std::memcpy(buffer_.get(), bytes.data(), bytes.size());
    buffered_ = bytes.size();
  }
}

void OutputFile::Flush() {
  WriteOut(buffer_.get(), buffered_);
  buffered_ = 0;
}

void OutputFile::WriteOut(const char* data, size_t size) {
  while (size > 0) {
    ssize_t done = write(fd_, data, size);
    if (done < 0) {
      if (errno == EINTR) continue;
      FailWrite(errno);
    }
    data += done;
    size -= static_cast<size_t>(done);
    written_ += static_cast<size_t>(done);
  }
  // Starts writing to disk what is done, so the flush at the end has little
  // left to wait for.
  if (written_ - advised_ >= kWritebackStep) {
    posix_fadvise(fd_, static_cast<off_t>(advised_), static_cast<off_t>(written_ - advised_),
                  POSIX_FADV_DONTNEED);
    advised_ = written_;
  }
}

void OutputFile::Commit() {
  Flush();
  // Keeping the owner may be refused to an ordinary user; the mode is what counts.
  if (replacesFile_ && fchown(fd_, owner_, group_) != 0 && errno != EPERM) FailWrite(errno);
  if (fchmod(fd_, mode_) != 0) FailWrite(errno);
  if (fsync(fd_) != 0) FailWrite(errno);
  if (tempPath_.empty()) LinkIntoFolder();
  if (rename(tempPath_.c_str(), target_.c_str()) != 0) FailCreate(errno);
  tempPath_.clear();
  int fd = fd_;
  fd_ = -1;
  if (close(fd) != 0) FailWrite(errno);
  // The new name itself reaches the disk with the folder.
  std::string folder = FolderOf(target_);
  int folderFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
}

// Gives the unnamed temporary file a name beside the target, so it can be
// renamed over it.
void OutputFile::LinkIntoFolder() {
  std::string self = "/proc/self/fd/" + std::to_string(fd_);
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    std::string name = TempName(target_, attempt);
    if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      tempPath_ = name;
      return;
    }
    if (errno != EEXIST) FailCreate(errno);
  }
  FailCreate(EEXIST);
}

void OutputFile::FailCreate(int error) const {
  throw OutputError(messages::CannotCreate(path_), path_, ErrnoReason(error));
}

void OutputFile::FailWrite(int error) const {
  throw OutputError(std::string(messages::kWriteError), path_, ErrnoReason(error));
}
