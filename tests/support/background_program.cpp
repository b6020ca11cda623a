#include "support/background_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace verlo::test {
namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point After(double seconds) {
  return Clock::now() + std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

}  // namespace

BackgroundProgram::BackgroundProgram(const std::vector<std::string>& argv) {
  int fds[2];
  if (pipe(fds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    dup2(fds[1], 1);
    close(fds[0]);
    close(fds[1]);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(fds[1]);
  pipe_ = fds[0];
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
    if (pipe_ < 0 || Clock::now() > until) return false;
    Read(20);
  }
  return true;
}

int BackgroundProgram::WaitForExit(double seconds) {
  const auto until = After(seconds);
  while (pid_ > 0 && Clock::now() <= until) {
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
