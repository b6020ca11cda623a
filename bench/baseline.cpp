#include "bench/baseline.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace verlo::bench {

std::vector<LineTemplate> Templates(const std::vector<std::string>& lines) {
  std::vector<LineTemplate> out;
  out.reserve(lines.size());
  for (const std::string& line : lines) {
    LineTemplate t;
    std::string piece;
    for (size_t i = 0; i < line.size();) {
      const bool sign = line[i] == '-' && i + 1 < line.size() &&
                        std::isdigit(static_cast<unsigned char>(line[i + 1]));
      const bool starts = (sign || std::isdigit(static_cast<unsigned char>(line[i]))) &&
                          (i == 0 || !std::isdigit(static_cast<unsigned char>(line[i - 1])));
      if (!starts) {
        piece += line[i++];
        continue;
      }
      size_t end = i + (sign ? 1 : 0);
      while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
      int decimals = 0;
      if (end + 1 < line.size() && line[end] == '.' &&
          std::isdigit(static_cast<unsigned char>(line[end + 1]))) {
        const size_t point = end++;
        while (end < line.size() && std::isdigit(static_cast<unsigned char>(line[end]))) ++end;
        decimals = static_cast<int>(end - point - 1);
      }
      t.pieces.push_back(piece);
      piece.clear();
      t.numbers.push_back(std::strtod(line.substr(i, end - i).c_str(), nullptr));
      t.decimals.push_back(decimals);
      i = end;
    }
    t.pieces.push_back(piece);
    out.push_back(std::move(t));
  }
  return out;
}

std::string FormatBaseline(const std::vector<LineTemplate>& templates) {
  std::string out;
  char buf[64];
  for (const LineTemplate& t : templates) {
    out += t.pieces[0];
    for (size_t k = 0; k < t.numbers.size(); ++k) {
      const int n = std::snprintf(buf, sizeof buf, "%.*f", t.decimals[k], t.numbers[k]);
      out.append(buf, static_cast<size_t>(n));
      out += t.pieces[k + 1];
    }
    out += '\n';
  }
  return out;
}

std::string Joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\n";
  return out;
}

}  // namespace verlo::bench
