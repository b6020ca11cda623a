// Runs part of a test in a forked child, so that it may give up root's
// privileges or mount a small file system of its own without touching the
// test process or the machine.
#pragma once

#include <functional>
#include <string>

namespace verlo::test {

struct ChildOutcome {
  bool passed = false;
  std::string skipped;  // why the child could not run the body; empty when it ran
};

// In the child: `prepare` returns why the body cannot run ("" to go on), then
// `body` runs with the usual assertions, whose failures the child prints.
ChildOutcome RunInChild(const std::function<std::string()>& prepare,
                        const std::function<void()>& body);

// For `prepare`. Each returns "" or why it could not be done.
// Runs on as the user "nobody" (65534) when root; an ordinary user stays.
std::string DropRootPrivileges();
// Mounts a 64 KiB file system over `folder` in a mount namespace of the
// child's own; `Fill` then leaves no free block on it.
std::string MountSmallFileSystem(const std::string& folder);
void Fill(const std::string& folder);

}  // namespace verlo::test
