// verlo-host-sim FOLDER: watches the exchange folder FOLDER (a local path or
// a drive path such as C:\VERLO\Wizards\Omnibus) and answers the signals in
// adatcsere.txt as the host's macro would, one line of standard output for
// each event. Ends on "E".
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <iostream>
#include <thread>

#include "hostlink/host_paths.h"
#include "platform/platform.h"
#include "tools/host_sim/simulated_host.h"

namespace {

// What tells one version of adatcsere.txt from the next: a writer that
// replaces the file changes its inode, one that rewrites it in place its
// time or size.
// A missing file has the stamp of all -1.
struct Stamp {
  int64_t modifiedNs = -1, size = -1, inode = -1, device = -1;
  bool operator==(const Stamp& o) const {
    return modifiedNs == o.modifiedNs && size == o.size && inode == o.inode && device == o.device;
  }
};
struct Signal {
  Stamp stamp;
  std::string bytes;
};

// The signal file's stamp and its first bytes (a signal is one letter), both
// from the one open file; the missing stamp when it cannot be read.
Signal ReadSignal(const std::string& path) {
  Signal found;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return found;
  struct stat st;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
    found.stamp = {static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                   static_cast<int64_t>(st.st_size), static_cast<int64_t>(st.st_ino),
                   static_cast<int64_t>(st.st_dev)};
    char buf[256];
    const ssize_t n = read(fd, buf, sizeof buf);
    if (n > 0) found.bytes.assign(buf, static_cast<size_t>(n));
  }
  close(fd);
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: verlo-host-sim FOLDER\n";
    return 2;
  }
  std::string folder;
  try {
    folder = verlo::MapHostPath(argv[1]);
  } catch (const verlo::FileError& e) {
    std::cerr << "verlo-host-sim: " << e.what() << "\n";
    return 2;
  }
  signal(SIGPIPE, SIG_IGN);  // a reader that went away ends nothing but the report
  verlo::DiskFileSystem files;
  if (!files.DirectoryExists(folder)) {
    std::cerr << "verlo-host-sim: no such folder: " << folder << "\n";
    return 2;
  }
  verlo::SimulatedHost host(files, folder,
                            [](const std::string& line) { std::cout << line << std::endl; });
  const std::string signalFile = folder + "/adatcsere.txt";
  // A signal left from before is not a new one.
  Stamp last = ReadSignal(signalFile).stamp;
  std::cout << "watching " << folder << std::endl;
  for (;;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const Signal now = ReadSignal(signalFile);
    if (now.stamp == last) continue;
    last = now.stamp;
    if (now.stamp == Stamp{}) continue;  // removed
    if (!host.Signal(now.bytes)) return 0;
  }
}
