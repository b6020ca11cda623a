// The host link's number conversion: any position file the host leaves, as
// ReadGetXYZ reads it (Windows-1250 lines), gives for each of its first three
// lines either a conversion error or a finite number of at most 15
// characters, and the log gets no control character.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "gcode/encoding.h"
#include "gcode/numbers.h"
#include "hostlink/host_link.h"
#include "platform/text.h"

namespace verlo {
namespace {

struct Log : HostLinkLog {
  void Add(const std::string& line) override {
    Require(!HasControlCharacter(line), "a log line holds a control character", line);
  }
};

}  // namespace
}  // namespace verlo

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace verlo;
  DiskFileSystem files;  // not touched: nothing is read or written here
  ShellState shell;
  Log log;
  Listing readBuffer, echo;
  HostLinkRoutines routines(files, SystemClock(), shell, log, readBuffer, echo);
  readBuffer.SetText(Local8BitToUtf8(std::string(reinterpret_cast<const char*>(data), size)));
  for (size_t i = 0; i < 3; ++i) {
    const std::string line = i < readBuffer.Count() ? readBuffer.Lines()[i] : std::string();
    const std::string kept = ConvertDotText(line);
    Require(CharacterCount(kept) <= 15, "ConvertDot keeps more than 15 characters", line);
    try {
      const long double v = routines.ConvertDot(line);
      Require(std::isfinite(v) && std::fabs(v) < 1e15L, "ConvertDot gives no sane number", line);
      Require(!FormatFloat4(v).empty(), "the position prints as nothing", line);
    } catch (const ConvertError&) {
      // The read stops there with the conversion error, as it should.
    }
  }
  return 0;
}
