// A page's G-code listing (its Memo1) and the line emitter every page uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace verlo {

class Listing {
 public:
  const std::vector<std::string>& Lines() const { return lines_; }
  size_t Count() const { return lines_.size(); }
  void Add(std::string line);
  void Clear();
  // Replaces the lines with the user's edited text (split at CR LF, LF or CR).
  void SetText(const std::string& text);
  void SetLines(std::vector<std::string> lines);
  // The lines joined by LF, for display.
  std::string Text() const;
  // Bumped on every change, so a view copies the lines only when they changed.
  uint64_t Revision() const { return revision_; }

 private:
  std::vector<std::string> lines_;
  uint64_t revision_ = 0;
};

// The line emitter: every control character becomes a space, then every ","
// among the first 40 characters becomes "."; commas further on stay.
// Characters are counted, not bytes (UTF-8).
std::string EmitterLine(std::string line);
void Emit(Listing& listing, std::string line);

// The listing as saved: lines in the local 8-bit code page, each ended by CR LF.
std::string SavedText(const std::vector<std::string>& lines);

}  // namespace verlo
