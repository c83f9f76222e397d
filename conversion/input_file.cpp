#include "conversion/input_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "conversion/conversion_error.h"
#include "conversion/messages.h"

namespace {

// Closes the descriptor on every way out.
struct FdCloser {
  int fd;
  ~FdCloser() { close(fd); }
};

[[noreturn]] void Fail(const std::string& path, const std::string& reason) {
  throw InputOpenError(std::string(messages::kCannotOpenInput), path, reason);
}

// Another program holding the file under an exclusive flock or fcntl lock
// means it is open for writing; such a file is not read.
bool HeldByOthers(int fd) {
  if (flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) return true;
  struct flock probe = {};
  probe.l_type = F_RDLCK;
  probe.l_whence = SEEK_SET;
  return fcntl(fd, F_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
}

}  // namespace

FileBytes ReadMailFile(const std::string& path) {
  // Non-blocking, so that opening a FIFO never waits for a writer.
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) Fail(path, ErrnoReason(errno));
  FdCloser closer{fd};
  struct stat st;
  if (fstat(fd, &st) != 0) Fail(path, ErrnoReason(errno));
  if (S_ISDIR(st.st_mode)) Fail(path, ErrnoReason(EISDIR));
  if (!S_ISREG(st.st_mode)) Fail(path, "not a regular file");
  if (HeldByOthers(fd)) Fail(path, "locked by another program");

  // One byte more than the size, so that the end is seen at once; a file that
  // grows while it is read is read to its new end.
  size_t capacity = static_cast<size_t>(st.st_size) + 1;
  FileBytes bytes{std::make_unique_for_overwrite<char[]>(capacity), 0};
  for (;;) {
    if (bytes.size == capacity) {
      capacity *= 2;
      auto larger = std::make_unique_for_overwrite<char[]>(capacity);
      std::copy_n(bytes.data.get(), bytes.size, larger.get());
      bytes.data = std::move(larger);
    }
    ssize_t got = read(fd, bytes.data.get() + bytes.size, capacity - bytes.size);
    if (got < 0) {
      if (errno == EINTR) continue;
      Fail(path, ErrnoReason(errno));
    }
    bytes.size += static_cast<size_t>(got);
    // A short read of a regular file, an empty one included, is its end: no
    // second call to learn it.
    if (bytes.size < capacity) return bytes;
  }
}
