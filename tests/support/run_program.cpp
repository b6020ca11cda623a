#include "support/run_program.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verlo::test {

namespace {

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
  }
}

}  // namespace

ProgramRun RunProgram(const std::vector<std::string>& argv, const Stream& outTo,
                      const Stream& errTo) {
  ProgramRun run;
  int out[2], err[2];
  if (pipe(out) != 0 || pipe(err) != 0) return run;
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    Connect(1, outTo, out[1]);
    Connect(2, errTo, err[1]);
    close(out[0]);
    close(err[0]);
    close(out[1]);
    close(err[1]);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    execv(args[0], args.data());
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
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

}  // namespace verlo::test
