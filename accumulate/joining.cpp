#include "accumulate/joining.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace verlo {

const char kStepSeparator[] = "(-------------------- next step --------------------)";

namespace {

bool IsBlank(const std::string& line) {
  return std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c); });
}

std::string Trimmed(const std::string& line) {
  const size_t from = line.find_first_not_of(" \t");
  if (from == std::string::npos) return "";
  return line.substr(from, line.find_last_not_of(" \t") - from + 1);
}

// The number of a one-word M line ("M5", "m05"), or -1.
int MCode(const std::string& line) {
  const std::string word = Trimmed(line);
  if (word.size() < 2 || word.size() > 4 ||
      std::toupper(static_cast<unsigned char>(word[0])) != 'M')
    return -1;
  if (!std::all_of(word.begin() + 1, word.end(), [](unsigned char c) { return std::isdigit(c); }))
    return -1;
  return std::stoi(word.substr(1));
}

bool IsProgramEnd(const std::string& line) {
  const int m = MCode(line);
  return m == 30 || m == 2;
}

// The number of a subprogram's first line ("O12 (comment)"), or -1.
long SubprogramNumber(const std::string& line) {
  const size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || std::toupper(static_cast<unsigned char>(line[at])) != 'O' ||
      at + 1 >= line.size() || !std::isdigit(static_cast<unsigned char>(line[at + 1])))
    return -1;
  size_t end = at + 1;
  while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
  if (end - at - 1 > 9) return -1;  // no number a control reads
  return std::stol(line.substr(at + 1, end - at - 1));
}

// Drops the trailing end codes, with the blank lines among and after them.
void DropEndCodes(StepLines& lines) {
  size_t cut = lines.size();
  for (size_t i = lines.size(); i > 0 && (IsBlank(lines[i - 1]) || IsEndCode(lines[i - 1])); --i)
    if (IsEndCode(lines[i - 1])) cut = i - 1;
  lines.resize(cut);
}

bool EndsWithProgramEnd(const StepLines& lines) {
  for (size_t i = lines.size(); i > 0; --i)
    if (!IsBlank(lines[i - 1])) return IsProgramEnd(lines[i - 1]);
  return false;
}

// A step's subprograms moved to numbers `offset` higher: their first lines
// and every "M98 P" call of the step. A call through a variable or an
// expression is offset the same way ("P[#19+100]").
class Renumbering {
 public:
  Renumbering(const std::set<long>& own, long offset) : own_(own), offset_(offset) {}

  std::string Line(const std::string& line) const {
    const long n = SubprogramNumber(line);
    if (n >= 0) {
      const size_t o = line.find_first_not_of(" \t");
      size_t end = o + 1;
      while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
      return line.substr(0, o + 1) + std::to_string(n + offset_) + Calls(line.substr(end));
    }
    return Calls(line);
  }

 private:
  // Every "M98 ... P<value>" outside comments.
  std::string Calls(const std::string& line) const {
    std::string out;
    bool comment = false, call = false;
    for (size_t i = 0; i < line.size();) {
      const char c = line[i];
      const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (c == '(') comment = true;
      if (c == ')') comment = false;
      if (!comment && up == 'M' && line.compare(i + 1, 2, "98") == 0 &&
          (i + 3 >= line.size() || !std::isdigit(static_cast<unsigned char>(line[i + 3])))) {
        call = true;
        out += line.substr(i, 3);
        i += 3;
        continue;
      }
      if (!comment && call && up == 'P') {
        call = false;
        const size_t end = ValueEnd(line, i + 1);
        out += c + Value(line.substr(i + 1, end - i - 1));
        i = end;
        continue;
      }
      out += c;
      ++i;
    }
    return out;
  }

  // Where the P word's value ends: digits, a variable "#n" or "[...]".
  static size_t ValueEnd(const std::string& line, size_t from) {
    size_t i = from;
    if (i < line.size() && line[i] == '[') {
      for (int depth = 0; i < line.size(); ++i) {
        depth += line[i] == '[' ? 1 : line[i] == ']' ? -1 : 0;
        if (depth == 0) return i + 1;
      }
      return i;
    }
    if (i < line.size() && line[i] == '#') ++i;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
    return i;
  }

  std::string Value(const std::string& value) const {
    if (value.empty()) return value;
    if (std::isdigit(static_cast<unsigned char>(value[0]))) {
      if (value.size() > 9) return value;
      const long n = std::stol(value);
      return own_.count(n) ? std::to_string(n + offset_) : value;
    }
    return "[" + value + "+" + std::to_string(offset_) + "]";
  }

  const std::set<long>& own_;
  long offset_;
};

}  // namespace

bool IsEndCode(const std::string& line) {
  const int m = MCode(line);
  return m == 30 || m == 5 || m == 9;
}

StepLines JoinSteps(const std::vector<StepLines>& steps) {
  StepLines joined, subprograms;
  long highest = -1;  // the highest subprogram number given out so far
  for (size_t s = 0; s < steps.size(); ++s) {
    const StepLines& step = steps[s];
    const auto split = std::find_if(step.begin(), step.end(),
                                    [](const std::string& l) { return SubprogramNumber(l) >= 0; });
    StepLines main(step.begin(), split), own(split, step.end());
    if (!own.empty()) {
      std::set<long> numbers;
      for (const std::string& line : own)
        if (SubprogramNumber(line) >= 0) numbers.insert(SubprogramNumber(line));
      // The first step with subprograms keeps its numbers; each later one
      // starts at the next hundred above all numbers given out.
      const long offset = highest < 0 ? 0 : (highest / 100 + 1) * 100;
      if (offset > 0) {
        const Renumbering renumber(numbers, offset);
        for (std::string& line : main) line = renumber.Line(line);
        for (std::string& line : own) line = renumber.Line(line);
      }
      highest = std::max(highest, *numbers.rbegin() + offset);
      subprograms.insert(subprograms.end(), own.begin(), own.end());
    }
    if (s > 0) {
      DropEndCodes(joined);
      for (const char* line : {"", kStepSeparator, ""}) joined.push_back(line);
    }
    joined.insert(joined.end(), main.begin(), main.end());
  }
  if (!steps.empty() && !EndsWithProgramEnd(joined)) joined.push_back("M30");
  joined.insert(joined.end(), subprograms.begin(), subprograms.end());
  return joined;
}

}  // namespace verlo
