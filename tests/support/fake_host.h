// The host link without a disk, a host or real waits: a clock that only
// advances when waited on and runs what is due, files in memory stamped by
// that clock, and the simulated host answering the signals after a delay.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "hostlink/host_link.h"
#include "hostlink/host_paths.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "tools/host_sim/simulated_host.h"

namespace verlo::test {

// The host-link log as lines.
struct RecordingLog : HostLinkLog {
  void Add(const std::string& line) override { lines.push_back(line); }
  std::vector<std::string> lines;
};

class FakeClock : public Clock {
 public:
  void Sleep(int milliseconds) override {
    const long long until = now + milliseconds;
    while (!due_.empty() && due_.begin()->first <= until) {
      now = due_.begin()->first;
      auto action = due_.begin()->second;
      due_.erase(due_.begin());
      action();
    }
    now = until;
  }
  void After(int milliseconds, std::function<void()> action) {
    due_.emplace(now + milliseconds, std::move(action));
  }
  long long now = 0;  // milliseconds waited so far

 private:
  std::multimap<long long, std::function<void()>> due_;
};

class MemoryFileSystem : public FileSystem {
 public:
  explicit MemoryFileSystem(const FakeClock& clock) : clock_(clock) {}
  bool DirectoryExists(const std::string&) override { return true; }
  FileContents ReadFile(const std::string& path, size_t maxBytes) override {
    const auto it = files.find(path);
    if (it == files.end())
      throw FileError("Cannot open file \"" + path + "\". No such file or directory");
    if (it->second.bytes.size() > maxBytes) throw FileTooLarge("Cannot open file \"" + path + "\"");
    return it->second;
  }
  std::optional<int64_t> ModifiedAt(const std::string& path) override {
    const auto it = files.find(path);
    return it == files.end() ? std::nullopt : std::optional<int64_t>(it->second.modifiedNs);
  }
  void WriteFile(const std::string& path, const std::string& bytes, Links) override {
    if (refused.count(path)) throw FileError("Cannot create file \"" + path + "\". Access denied");
    files[path] = {bytes, clock_.now * 1000000};
    if (onWrite) onWrite(path, bytes);
  }
  std::string Bytes(const std::string& path) const {
    const auto it = files.find(path);
    return it == files.end() ? "(none)" : it->second.bytes;
  }

  std::map<std::string, FileContents> files;
  std::set<std::string> refused;
  std::function<void(const std::string& path, const std::string& bytes)> onWrite;

 private:
  const FakeClock& clock_;
};

// The host-link paths of an exchange folder on the memory disk.
inline HostLinkPaths MemoryPaths(const std::string& folder) {
  HostLinkPaths p;
  p.base = "C:\\VERLO";
  p.command = folder + "/command.txt";
  p.exchange = folder + "/adatcsere.txt";
  p.file = folder + "/file.txt";
  p.position = folder + "/GetXYZ.txt";
  return p;
}

// Answers each signal written to the folder's adatcsere.txt `delay`
// milliseconds later, as the simulator does; `answer`, when set, is written
// to GetXYZ.txt on "G" instead of the position.
class InProcessHost {
 public:
  InProcessHost(FakeClock& clock, MemoryFileSystem& files, const std::string& folder)
      : host(files, folder, [this](const std::string& line) { reports.push_back(line); }) {
    files.onWrite = [this, &clock, &files, folder](const std::string& path,
                                                   const std::string& bytes) {
      if (path != folder + "/adatcsere.txt") return;
      signalled.push_back(bytes);
      clock.After(delay, [this, &clock, &files, folder, bytes] {
        if (answer && bytes[0] == 'G')
          files.WriteFile(folder + "/GetXYZ.txt", *answer, Links::Replace);
        else
          host.Signal(bytes);
        if (clearsSignal >= 0)
          clock.After(clearsSignal, [&clock, &files, folder] {
            files.files[folder + "/adatcsere.txt"] = {"", clock.now * 1000000};
          });
      });
    };
  }

  int delay = 20;
  std::optional<std::string> answer;
  int clearsSignal = -1;               // ms after answering it empties adatcsere.txt; -1: never
  std::vector<std::string> signalled;  // what each write of adatcsere.txt held
  std::vector<std::string> reports;
  SimulatedHost host;
};

}  // namespace verlo::test
