#include "toolpath/reader.h"

#include <new>

#include "toolpath/interpreter.h"
#include "toolpath/line_parser.h"

namespace verlo::toolpath {

ReadResult ReadToolpath(const std::vector<std::string>& lines, const ReadLimits& limits) {
  ReadResult result;
  try {
    const detail::ParsedListing listing = detail::ParseListing(lines);
    detail::Interpreter(listing, limits, result).Run();
  } catch (const std::bad_alloc&) {
    result.path.moves.clear();
    result.path.moves.shrink_to_fit();
    result.error = LineMessage{0, "nincs elég memória a program olvasásához"};
  }
  return result;
}

}  // namespace verlo::toolpath
