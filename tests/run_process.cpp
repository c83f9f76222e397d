#include "tests/run_process.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <stdexcept>

namespace {

// Reads both pipes to their ends, without letting either fill up.
void Drain(int outFd, int errFd, ProcessResult& result) {
  pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) throw std::runtime_error("poll failed");
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char buffer[4096];
      ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
      if (got > 0) {
        sinks[i]->append(buffer, static_cast<size_t>(got));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open;
      }
    }
  }
}

std::vector<char*> Argv(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

}  // namespace

unsigned OrdinaryUser() {
  constexpr unsigned kNobody = 65534;
  return geteuid() == 0 ? kNobody : geteuid();
}

int StartProcess(const std::string& program, const std::vector<std::string>& args) {
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_RDWR);
    dup2(null, 0);
    dup2(null, 1);
    dup2(null, 2);
    execv(program.c_str(), Argv(program, args).data());
    _exit(127);
  }
  return child;
}

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const ProcessOptions& options) {
  int in[2], out[2], err[2];
  if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) throw std::runtime_error("pipe failed");
  pid_t child = fork();
  if (child == 0) {
    dup2(in[0], 0);
    dup2(out[1], 1);
    dup2(err[1], 2);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
    if (options.asOrdinaryUser && geteuid() == 0) {
      if (setgroups(0, nullptr) != 0 || setgid(OrdinaryUser()) != 0 ||
          setuid(OrdinaryUser()) != 0) {
        _exit(126);
      }
    }
    if (options.fileSizeLimit) {
      rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      setrlimit(RLIMIT_FSIZE, &limit);
    }
    execv(program.c_str(), Argv(program, args).data());
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  close(err[1]);
  // Small inputs fit in the pipe, so writing before reading cannot block; a
  // child that ends without reading them must not kill the test.
  signal(SIGPIPE, SIG_IGN);
  ssize_t written = write(in[1], options.input.data(), options.input.size());
  close(in[1]);
  if (written != static_cast<ssize_t>(options.input.size()) && !options.input.empty()) {
    throw std::runtime_error("cannot give the child its input");
  }
  ProcessResult result;
  Drain(out[0], err[0], result);
  int status = 0;
  waitpid(child, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}
