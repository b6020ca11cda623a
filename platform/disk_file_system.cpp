// Saving on a POSIX disk: the new bytes go to a fresh temporary file in the
// target's folder, reach the disk, and only then replace the target in one
// rename, so a failure at any step leaves the old file as it was.
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace verlo {
namespace {

constexpr int kMaxLinkHops = 40;  // as the kernel allows in a path

// The folder part with its slash ("" for a bare name).
std::string FolderOf(const std::string& path) {
  return path.substr(0, path.rfind('/') + 1);
}

[[noreturn]] void Fail(const std::string& path, const std::string& real, const std::string& why) {
  std::string where = "\"" + path + "\"";
  if (real != path) where += " (linked to \"" + real + "\")";
  throw FileError("Cannot create file " + where + ". " + why);
}

// Follows symbolic links in the last part of the path, so that the file they
// lead to is replaced and the link stays. Returns 0 or the error number.
int FollowLinks(std::string& path) {
  for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return 0;
    char buf[PATH_MAX];
    const ssize_t n = readlink(path.c_str(), buf, sizeof buf);
    if (n < 0) return errno;
    if (n == 0 || static_cast<size_t>(n) == sizeof buf) return ENAMETOOLONG;
    const std::string to(buf, static_cast<size_t>(n));
    path = to[0] == '/' ? to : FolderOf(path) + to;
  }
  return ELOOP;
}

// Why an existing file that is not a regular file is refused.
const char* NotRegular(mode_t mode) {
  if (S_ISDIR(mode)) return "Is a directory";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "Is a device, not a regular file";
  if (S_ISFIFO(mode)) return "Is a FIFO, not a regular file";
  if (S_ISSOCK(mode)) return "Is a socket, not a regular file";
  return "Is not a regular file";
}

mode_t CurrentUmask() {
  const mode_t mask = umask(0);
  umask(mask);
  return mask;
}

// Makes a renamed directory entry durable where the file system allows it;
// the save has already succeeded, so a refusal here changes nothing.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  const bool synced = fsync(fd) == 0;
  (void)synced;
  close(fd);
}

}  // namespace

int WriteAllBytes(int fd, const std::string& bytes) {
  for (size_t done = 0; done < bytes.size();) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) return errno;
    if (n > 0) done += static_cast<size_t>(n);
  }
  return 0;
}

bool DiskFileSystem::DirectoryExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(std::filesystem::u8path(path), ec);
}

namespace {

int64_t ModifiedNs(const struct stat& st) {
  return static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
}

[[noreturn]] void FailRead(const std::string& path, const std::string& why) {
  throw FileError("Cannot open file \"" + path + "\". " + why);
}

}  // namespace

FileContents DiskFileSystem::ReadFile(const std::string& path, size_t maxBytes) {
  // Not blocking: a FIFO in the file's place must not hang the program.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) FailRead(path, std::strerror(errno));
  FileContents contents;
  struct stat st;
  int err = fstat(fd, &st) != 0 ? errno : 0;
  if (!err && !S_ISREG(st.st_mode)) {
    close(fd);
    FailRead(path, NotRegular(st.st_mode));
  }
  if (!err) contents.modifiedNs = ModifiedNs(st);
  bool tooLarge = !err && static_cast<uintmax_t>(st.st_size) > maxBytes;
  while (!err && !tooLarge) {
    // At most one byte past the limit: a file that grows while it is read,
    // or one whose size the file system does not keep, is caught as well.
    char buf[65536];
    const size_t want = std::min(sizeof buf, maxBytes + 1 - contents.bytes.size());
    const ssize_t n = read(fd, buf, want);
    if (n > 0) contents.bytes.append(buf, static_cast<size_t>(n));
    if (n == 0) break;
    if (n < 0 && errno != EINTR) err = errno;
    tooLarge = contents.bytes.size() > maxBytes;
  }
  close(fd);
  if (err) FailRead(path, std::strerror(err));
  if (tooLarge)
    throw FileTooLarge("Cannot open file \"" + path + "\". Larger than " +
                       std::to_string(maxBytes) + " bytes");
  return contents;
}

std::optional<int64_t> DiskFileSystem::ModifiedAt(const std::string& path) {
  struct stat st;
  if (stat(path.c_str(), &st) != 0) return std::nullopt;
  return ModifiedNs(st);
}

namespace {

// A temporary file is ".verlo-" and the six letters or digits mkstemp puts
// in place of the X's.
constexpr char kTempPrefix[] = ".verlo-";
constexpr size_t kTempLetters = 6;

bool IsTempName(const char* name) {
  const size_t prefix = sizeof kTempPrefix - 1;
  if (std::strncmp(name, kTempPrefix, prefix) != 0) return false;
  for (size_t i = prefix; i < prefix + kTempLetters; ++i) {
    const char c = name[i];
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  }
  return name[prefix + kTempLetters] == '\0';
}

// How long ago, by the file system's clock, an empty temporary file was last
// touched before it counts as left by a save that was killed. A save writes
// its temporary file moments after making it; one stalled longer than this
// would find its file gone at the rename and report the failure, and its
// target would stay as it was.
constexpr int64_t kLeftoverAgeNs = int64_t{10} * 60 * 1000000000;

// Removes the temporary files a killed save left in the folder: only empty
// regular files of this user, named as ours, with no other link, last
// touched long before `nowNs` (the stamp of the save just made there). One
// that holds bytes may be the only copy of a listing and stays.
void RemoveLeftovers(const std::string& folder, int64_t nowNs) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return;
  const int fd = dirfd(dir);
  while (const dirent* entry = readdir(dir)) {
    struct stat st;
    if (!IsTempName(entry->d_name) || fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
      continue;
    if (S_ISREG(st.st_mode) && st.st_size == 0 && st.st_nlink == 1 && st.st_uid == geteuid() &&
        nowNs - ModifiedNs(st) >= kLeftoverAgeNs) {
      const bool removed = unlinkat(fd, entry->d_name, 0) == 0;
      (void)removed;  // the save is made; a leftover that stays changes nothing
    }
  }
  closedir(dir);
}

}  // namespace

void DiskFileSystem::WriteFile(const std::string& path, const std::string& bytes, Links links) {
  if (path.empty()) Fail(path, path, std::strerror(ENOENT));
  std::string real = path;
  if (links == Links::Follow) {
    if (const int err = FollowLinks(real)) Fail(path, real, std::strerror(err));
  }

  struct stat old;
  const bool exists = lstat(real.c_str(), &old) == 0;
  if (!exists && errno != ENOENT) Fail(path, real, std::strerror(errno));
  // A link still in the path's place (a file of our own) is replaced as if
  // nothing were there: the rename replaces the link itself, and neither its
  // target nor its target's mode or owner is looked at.
  const bool replacing = exists && !S_ISLNK(old.st_mode);
  if (replacing && !S_ISREG(old.st_mode)) Fail(path, real, NotRegular(old.st_mode));
  // The rename would replace a file the user may not write; refuse it as an
  // in-place write would be refused.
  if (replacing && faccessat(AT_FDCWD, real.c_str(), W_OK, AT_EACCESS) != 0)
    Fail(path, real, std::strerror(errno));

  const std::string folder = FolderOf(real);
  std::string temp = folder + kTempPrefix + std::string(kTempLetters, 'X');
  int fd = mkstemp(temp.data());
  if (fd < 0) Fail(path, real, std::strerror(errno));
  const auto fail = [&](int err) {
    if (fd >= 0) close(fd);
    unlink(temp.c_str());
    Fail(path, real, std::strerror(err));
  };

  mode_t mode = 0666 & ~CurrentUmask();
  if (replacing) {
    // The owner is kept where the process may set it (else at least the
    // group), the permission bits always; set-ID bits are not carried over
    // to a listing.
    if (old.st_uid != geteuid() || old.st_gid != getegid()) {
      const bool kept = fchown(fd, old.st_uid, old.st_gid) == 0 ||
                        fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
      (void)kept;
    }
    mode = old.st_mode & 0777;
  }
  if (fchmod(fd, mode) != 0) fail(errno);
  if (const int err = WriteAllBytes(fd, bytes)) fail(err);
  if (fsync(fd) != 0) fail(errno);
  struct stat made;
  const bool stamped = fstat(fd, &made) == 0;
  const int closed = close(fd);
  fd = -1;
  if (closed != 0) fail(errno);
  if (rename(temp.c_str(), real.c_str()) != 0) fail(errno);
  SyncFolder(folder);
  if (stamped) RemoveLeftovers(folder, ModifiedNs(made));
}

}  // namespace verlo
