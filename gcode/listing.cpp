#include "gcode/listing.h"

#include "gcode/encoding.h"
#include "platform/text.h"

namespace verlo {

void Listing::Add(std::string line) {
  lines_.push_back(std::move(line));
  ++revision_;
}

void Listing::Clear() {
  lines_.clear();
  ++revision_;
}

void Listing::SetText(const std::string& text) {
  lines_.clear();
  std::string current;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines_.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines_.push_back(current);
  ++revision_;
}

void Listing::SetLines(std::vector<std::string> lines) {
  lines_ = std::move(lines);
  ++revision_;
}

std::string Listing::Text() const {
  std::string out;
  size_t total = 0;
  for (const auto& l : lines_) total += l.size() + 1;
  out.reserve(total);
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (i) out += '\n';
    out += lines_[i];
  }
  return out;
}

std::string EmitterLine(std::string line) {
  // Printable ASCII, as nearly every line is: one character a byte.
  size_t i = 0;
  for (; i < line.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    if (c < 0x20 || c >= 0x7F) break;
    if (c == ',' && i < 40) line[i] = '.';
  }
  if (i == line.size()) return line;
  // A line break or other control character typed into a field and quoted in
  // a comment must not split or corrupt the line.
  std::string out = HasControlCharacter(line) ? ControlCharactersAsSpaces(line) : std::move(line);
  size_t chars = 0;
  for (size_t i = 0; i < out.size() && chars < 40; ++i) {
    const unsigned char c = static_cast<unsigned char>(out[i]);
    if ((c & 0xC0) == 0x80) continue;  // continuation byte of a UTF-8 character
    ++chars;
    if (c == ',') out[i] = '.';
  }
  return out;
}

void Emit(Listing& listing, std::string line) {
  listing.Add(EmitterLine(std::move(line)));
}

std::string SavedText(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += Utf8ToLocal8Bit(l);
    out += "\r\n";
  }
  return out;
}

}  // namespace verlo
