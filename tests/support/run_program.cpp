#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace verlo::test {

namespace {

using SteadyClock = std::chrono::steady_clock;

// In the child: makes `fd` the stream asked for, `pipeEnd` when collected.
void Connect(int fd, const Stream& stream, int pipeEnd) {
  switch (stream.kind) {
    case Stream::Collected:
      dup2(pipeEnd, fd);
      return;
    case Stream::Closed:
      close(fd);
      return;
    case Stream::File:
      dup2(open(stream.file.c_str(), O_WRONLY), fd);
      return;
    case Stream::Inherited:
      return;
  }
}

// Starts the program with empty standard input and its output and error as
// asked; `out` and `err` are the read ends of the pipes a collected stream
// writes to. -1 when it cannot start.
pid_t Start(const std::vector<std::string>& argv, const Stream& outTo, const Stream& errTo,
            int out[2], int err[2]) {
  if (pipe(out) != 0 || pipe(err) != 0) return -1;
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(open("/dev/null", O_RDONLY), 0);
    Connect(1, outTo, out[1]);
    Connect(2, errTo, err[1]);
    for (int fd : {out[0], err[0], out[1], err[1]}) close(fd);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  return pid;
}

SteadyClock::time_point After(double seconds) {
  return SteadyClock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& argv, const Stream& outTo,
                      const Stream& errTo) {
  ProgramRun run;
  int out[2], err[2];
  const pid_t pid = Start(argv, outTo, errTo, out, err);
  if (pid < 0) return run;
  pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
  std::string* sinks[2] = {&run.out, &run.err};
  int openPipes = 2;
  while (openPipes > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR))) continue;
      char buf[65536];
      const ssize_t n = read(fds[i].fd, buf, sizeof buf);
      if (n > 0) {
        sinks[i]->append(buf, static_cast<size_t>(n));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --openPipes;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& argv) {
  int out[2], err[2];
  pid_ = Start(argv, {}, {Stream::Inherited, ""}, out, err);
  if (pid_ < 0) return;
  close(err[0]);
  pipe_ = out[0];
}

BackgroundProgram::~BackgroundProgram() {
  if (pid_ > 0) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (pipe_ >= 0) close(pipe_);
}

void BackgroundProgram::Read(int milliseconds) {
  if (pipe_ < 0) {
    usleep(static_cast<useconds_t>(milliseconds) * 1000);
    return;
  }
  pollfd p = {pipe_, POLLIN, 0};
  if (poll(&p, 1, milliseconds) <= 0) return;
  char buf[4096];
  const ssize_t n = read(pipe_, buf, sizeof buf);
  if (n > 0) {
    out_.append(buf, static_cast<size_t>(n));
  } else {
    close(pipe_);
    pipe_ = -1;
  }
}

bool BackgroundProgram::WaitForOutput(const std::string& text, double seconds) {
  const auto until = After(seconds);
  while (out_.find(text) == std::string::npos) {
    if (pipe_ < 0 || SteadyClock::now() > until) return false;
    Read(20);
  }
  return true;
}

int BackgroundProgram::WaitForExit(double seconds) {
  const auto until = After(seconds);
  while (pid_ > 0 && SteadyClock::now() <= until) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
      pid_ = -1;
      while (pipe_ >= 0) Read(100);
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    Read(20);
  }
  return -1;
}

}  // namespace verlo::test
