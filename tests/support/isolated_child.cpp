#include "support/isolated_child.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace verlo::test {
namespace {

constexpr int kSkipped = 77;
constexpr unsigned kNobody = 65534;

std::string Because(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

}  // namespace

ChildOutcome RunInChild(const std::function<std::string()>& prepare,
                        const std::function<void()>& body) {
  ChildOutcome outcome;
  int reason[2];
  if (pipe(reason) != 0) {
    outcome.skipped = Because("cannot make a pipe");
    return outcome;
  }
  std::fflush(stdout);
  const pid_t pid = fork();
  if (pid == 0) {
    close(reason[0]);
    const std::string why = prepare();
    if (!why.empty()) {
      const bool told = write(reason[1], why.data(), why.size()) >= 0;
      _exit(told ? kSkipped : 1);
    }
    body();
    std::fflush(stdout);
    _exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  close(reason[1]);
  char buf[512];
  ssize_t n;
  while ((n = read(reason[0], buf, sizeof buf)) > 0)
    outcome.skipped.append(buf, static_cast<size_t>(n));
  close(reason[0]);
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) {
    outcome.skipped = Because("cannot run a child process");
    return outcome;
  }
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (code != kSkipped) outcome.skipped.clear();
  outcome.passed = code == 0;
  return outcome;
}

std::string DropRootPrivileges() {
  if (geteuid() != 0) return "";
  if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)
    return Because("cannot give up root's privileges (setgid/setuid to 65534)");
  if (setuid(0) == 0) return "giving up root's privileges did not hold";
  return "";
}

std::string MountSmallFileSystem(const std::string& folder) {
  if (unshare(CLONE_NEWNS) != 0) return Because("cannot have a mount namespace of its own");
  // Nothing mounted here may reach the machine's own mount table.
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return Because("cannot make the mounts private");
  if (mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") != 0)
    return Because("cannot mount a 64 KiB tmpfs");
  return "";
}

void Fill(const std::string& folder) {
  const int fd = open((folder + "/filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const std::string block(4096, 'x');
  while (fd >= 0 && write(fd, block.data(), block.size()) > 0) {
  }
  if (fd >= 0) close(fd);
}

}  // namespace verlo::test
