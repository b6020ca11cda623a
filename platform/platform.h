// The small interfaces through which the core reaches the user and the disk.
// The GUI implements them with Qt, the command line with its streams, the
// tests with scripts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace verlo {

// A modal box with an OK button only: text, then caption.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  virtual void Show(const std::string& text, const std::string& caption) = 0;
  // The error box of the runtime (conversion and file errors).
  virtual void ShowError(const std::string& text, const std::string& caption) {
    Show(text, caption);
  }
};

// The save dialog: the chosen file name, or nothing when cancelled.
class SaveDialog {
 public:
  virtual ~SaveDialog() = default;
  virtual std::optional<std::string> Run() = 0;
};

// A file that could not be written; the message names the path.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const std::string& message) : std::runtime_error(message) {}
};

// A file longer than its reader allows: refused before more than the limit
// was read.
class FileTooLarge : public FileError {
 public:
  using FileError::FileError;
};

// What a write does with a symbolic link in the file's place: a file the user
// chose is written through it (the link's target is replaced); a file of the
// program's own replaces the link itself, so the link's target stays as it was.
enum class Links { Follow, Replace };

// A file as read: its bytes and when it was last written, both taken from
// the one open file, so they belong together.
struct FileContents {
  std::string bytes;
  int64_t modifiedNs = 0;  // since the epoch, as the file system keeps it
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Throws FileError naming the path when the file is missing, cannot be
  // read, or is not a regular file; FileTooLarge when it holds more than
  // `maxBytes`, so that nothing larger is ever held in memory.
  virtual FileContents ReadFile(const std::string& path, size_t maxBytes) = 0;
  // When the file was last written; nothing when it cannot be looked at.
  virtual std::optional<int64_t> ModifiedAt(const std::string& path) = 0;
  // Writes the bytes through a temporary file that replaces the target only
  // when complete and on the disk. A symbolic link is followed or replaced as
  // `links` says; an existing directory, device, FIFO or socket, and a file
  // the user may not write, are refused. The replacement keeps the old file's
  // permissions (and owner where the process may set it). Throws FileError,
  // leaving the target as it was. After a save, the empty temporary files
  // that saves killed long before left in the folder are removed.
  virtual void WriteFile(const std::string& path, const std::string& bytes, Links links) = 0;
};

// The real disk.
class DiskFileSystem : public FileSystem {
 public:
  bool DirectoryExists(const std::string& path) override;
  FileContents ReadFile(const std::string& path, size_t maxBytes) override;
  std::optional<int64_t> ModifiedAt(const std::string& path) override;
  void WriteFile(const std::string& path, const std::string& bytes, Links links) override;
};

// Writes all bytes to an open file descriptor, through short writes and
// interruptions. Returns 0 or the error number.
int WriteAllBytes(int fd, const std::string& bytes);

}  // namespace verlo
