// The baseline as a process: `--prepare FILE ARGS...` makes the listing of
// verlo-gcode ARGS and keeps its templates in FILE; `FILE` prints the same
// lines from them with snprintf, as verlo-gcode prints its listing.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/baseline.h"
#include "bench/cases.h"

namespace {

using verlo::bench::LineTemplate;

template <class T>
void Put(std::ofstream& out, T value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

template <class T>
T Get(std::ifstream& in) {
  T value{};
  in.read(reinterpret_cast<char*>(&value), sizeof value);
  return value;
}

bool Prepare(const char* file, const std::vector<std::string>& args) {
  const std::vector<std::string> lines = verlo::bench::MakeListing(args);
  if (lines.empty()) return false;
  std::ofstream out(file, std::ios::binary);
  Put<uint32_t>(out, static_cast<uint32_t>(lines.size()));
  for (const LineTemplate& t : verlo::bench::Templates(lines)) {
    Put<uint32_t>(out, static_cast<uint32_t>(t.numbers.size()));
    for (const std::string& piece : t.pieces) {
      Put<uint32_t>(out, static_cast<uint32_t>(piece.size()));
      out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
    }
    for (size_t k = 0; k < t.numbers.size(); ++k) {
      Put<double>(out, t.numbers[k]);
      Put<int32_t>(out, t.decimals[k]);
    }
  }
  return static_cast<bool>(out);
}

std::vector<LineTemplate> Load(const char* file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<LineTemplate> templates(Get<uint32_t>(in));
  for (LineTemplate& t : templates) {
    const uint32_t numbers = Get<uint32_t>(in);
    for (uint32_t p = 0; p <= numbers; ++p) {
      std::string piece(Get<uint32_t>(in), '\0');
      in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
      t.pieces.push_back(std::move(piece));
    }
    for (uint32_t k = 0; k < numbers; ++k) {
      t.numbers.push_back(Get<double>(in));
      t.decimals.push_back(Get<int32_t>(in));
    }
  }
  return templates;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::string(argv[1]) == "--prepare")
    return Prepare(argv[2], std::vector<std::string>(argv + 3, argv + argc)) ? 0 : 1;
  if (argc != 2) return 2;
  const std::string text = verlo::bench::FormatBaseline(Load(argv[1]));
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
