#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/platform.h"

namespace verlo {

bool DiskFileSystem::DirectoryExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(std::filesystem::u8path(path), ec);
}

void DiskFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
  const std::filesystem::path target = std::filesystem::u8path(path);
  std::filesystem::path temp = target;
  temp += ".verlo-tmp";
  const auto fail = [&](const std::string& why) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    throw FileError("Cannot create file \"" + path + "\". " + why);
  };
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) fail(std::strerror(errno));
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const int err = errno;
  const bool closed = std::fclose(f) == 0;
  if (!written || !closed) fail(std::strerror(written ? errno : err));
  std::error_code ec;
  std::filesystem::rename(temp, target, ec);
  if (ec) fail(ec.message());
}

}  // namespace verlo
