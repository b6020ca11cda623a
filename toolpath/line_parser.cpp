#include "toolpath/line_parser.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace verlo::toolpath::detail {
namespace {

constexpr const char* kLetters = "FGIJLMNPQRSTXYZ";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The character at text[pos] as the user sees it: a whole UTF-8 sequence.
std::string CharacterAt(const std::string& text, size_t pos) {
  size_t end = pos + 1;
  while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
  return text.substr(pos, end - pos);
}

// Lower-cases ASCII and the accented capitals the Hungarian words use.
std::string Lower(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else if (c == 0xC3 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
               static_cast<unsigned char>(text[i + 1]) <= 0x9E) {
      out += text[i];
      out += static_cast<char>(static_cast<unsigned char>(text[++i]) + 0x20);  // Á É Ó Ö Ú Ü
    } else if ((c == 0xC5) && i + 1 < text.size() &&
               (text[i + 1] == '\x90' || text[i + 1] == '\xB0')) {
      out += text[i];
      out += static_cast<char>(static_cast<unsigned char>(text[++i]) + 1);  // Ő Ű
    } else {
      out += text[i];
    }
  }
  return out;
}

class LineParser {
 public:
  explicit LineParser(ParsedListing& out) : out_(out) {}

  void Parse(const std::string& line) {
    ParsedLine parsed;
    parsed.wordBegin = parsed.wordEnd = static_cast<uint32_t>(out_.words.size());
    parsed.assignBegin = parsed.assignEnd = static_cast<uint32_t>(out_.assignments.size());
    std::string error;
    if (!Compact(line, parsed, error) || !Words(parsed, error)) {
      out_.words.resize(parsed.wordBegin);
      out_.assignments.resize(parsed.assignBegin);
      parsed.wordEnd = parsed.wordBegin;
      parsed.assignEnd = parsed.assignBegin;
      parsed.error = static_cast<int32_t>(out_.errors.size());
      out_.errors.push_back(error);
    } else {
      parsed.wordEnd = static_cast<uint32_t>(out_.words.size());
      parsed.assignEnd = static_cast<uint32_t>(out_.assignments.size());
    }
    out_.lines.push_back(parsed);
  }

 private:
  // The line without comments and spaces, letters in upper case, into text_.
  bool Compact(const std::string& line, ParsedLine& parsed, std::string& error) {
    text_.clear();
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (c == '(') {
        const size_t close = line.find(')', i + 1);
        if (close == std::string::npos) {
          error = "a megjegyzés nincs lezárva: hiányzik a \")\"";
          return false;
        }
        if (parsed.diameter == 0)
          parsed.diameter = DiameterInComment(line.substr(i + 1, close - i - 1));
        i = close;
      } else if (c == ')') {
        error = "\")\" nyitó zárójel nélkül";
        return false;
      } else if (c == ';') {
        break;
      } else if (c == ' ' || c == '\t' || c == '\r') {
      } else {
        text_ += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
      }
    }
    if (text_ == "%") text_.clear();  // the program's start or end mark
    return true;
  }

  bool Words(ParsedLine& parsed, std::string& error) {
    size_t pos = 0;
    if (!text_.empty() && text_[0] == 'O') {
      ++pos;
      long long number = 0;
      const size_t first = pos;
      while (pos < text_.size() && IsDigit(text_[pos]) && pos - first < 9)
        number = number * 10 + (text_[pos++] - '0');
      if (pos == first || pos < text_.size()) {
        error = "az O után csak az alprogram száma és megjegyzés állhat";
        return false;
      }
      parsed.program = static_cast<int32_t>(number);
      return true;
    }
    uint32_t seen = 0;  // letters met, G and M excepted
    while (pos < text_.size()) {
      const char c = text_[pos];
      if (c == '#') {
        Assignment a;
        if (!ParseVariableIndex(text_, pos, out_.code, a.index, error)) return false;
        if (pos >= text_.size() || text_[pos] != '=') {
          error = "a változó után \"=\" kell";
          return false;
        }
        ++pos;
        if (!ParseValue(text_, pos, out_.code, a.value, error)) return false;
        out_.assignments.push_back(a);
        continue;
      }
      if (c < 'A' || c > 'Z' || !std::strchr(kLetters, c)) {
        if (c >= 'A' && c <= 'Z') {
          size_t end = pos + 1;
          while (end < text_.size() && (IsDigit(text_[end]) || std::strchr(".,-+", text_[end])))
            ++end;
          error = "ismeretlen szó: \"" + text_.substr(pos, end - pos) + "\"";
        } else {
          error = "érvénytelen karakter: \"" + CharacterAt(text_, pos) + "\"";
        }
        return false;
      }
      const uint32_t bit = 1u << (c - 'A');
      if (c != 'G' && c != 'M' && c != 'N' && (seen & bit)) {
        error = std::string("a(z) ") + c + " szó kétszer szerepel a sorban";
        return false;
      }
      seen |= bit;
      ++pos;
      Word w;
      w.letter = c;
      if (!ParseValue(text_, pos, out_.code, w.value, error)) {
        error = std::string("a(z) ") + c + " szó értéke: " + error;
        return false;
      }
      if (c != 'N') out_.words.push_back(w);
    }
    return true;
  }

  ParsedListing& out_;
  std::string text_;
};

}  // namespace

double DiameterInComment(const std::string& comment) {
  if (comment.find_first_of("áÁtT") == std::string::npos) return 0;
  const std::string text = Lower(comment);
  size_t at = std::string::npos, skip = 0;
  for (const char* key : {"szerszám átmérője", "szerszámátmérője", "szerszám átmérő",
                          "szerszámátmérő", "tool diameter"}) {
    at = text.find(key);
    if (at != std::string::npos) {
      skip = std::strlen(key);
      break;
    }
  }
  if (at == std::string::npos) return 0;
  size_t pos = at + skip;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == ':' || text[pos] == '=')) ++pos;
  char buffer[32];
  size_t n = 0;
  while (pos < text.size() && n + 1 < sizeof buffer &&
         (IsDigit(text[pos]) || text[pos] == '.' || text[pos] == ',')) {
    buffer[n++] = text[pos] == ',' ? '.' : text[pos];
    ++pos;
  }
  double value = 0;
  const auto result = std::from_chars(buffer, buffer + n, value);
  return result.ec == std::errc() && std::isfinite(value) && value > 0 ? value : 0;
}

ParsedListing ParseListing(const std::vector<std::string>& lines) {
  ParsedListing out;
  out.lines.reserve(lines.size());
  out.words.reserve(lines.size() * 4);
  LineParser parser(out);
  for (const std::string& line : lines) parser.Parse(line);
  return out;
}

}  // namespace verlo::toolpath::detail
