#include "toolpath/interpreter.h"

#include <cmath>

#include "gcode/numbers.h"

namespace verlo::toolpath::detail {
namespace {

// A code as written: "G59", "G59.1", "M98".
std::string CodeText(char letter, int tenths) {
  std::string text = letter + std::to_string(tenths / 10);
  if (tenths % 10) text += "." + std::to_string(tenths % 10);
  return text;
}

}  // namespace

Interpreter::Interpreter(const ParsedListing& listing, const ReadLimits& limits, ReadResult& result)
    : listing_(listing),
      limits_(limits),
      result_(result),
      path_(result.path),
      variables_(kVariableCount, 0.0) {
  path_.moves.reserve(listing.lines.size() + 16);
  for (size_t i = 0; i < listing.lines.size(); ++i) {
    const int program = listing.lines[i].program;
    if (program < 0) continue;
    if (!programs_.emplace(program, i).second) duplicates_.emplace(program, i);
  }
}

bool Interpreter::Fail(const std::string& text) {
  return Fail(line_, text);
}

bool Interpreter::Fail(int line, const std::string& text) {
  if (!result_.error) result_.error = LineMessage{line, text};
  return false;
}

void Interpreter::Run() {
  size_t index = 0;
  const size_t count = listing_.lines.size();
  while (!ended_ && index < count) {
    if (++executed_ > limits_.maxExecutedLines) {
      line_ = static_cast<int>(index + 1);
      Fail("a program több mint " + std::to_string(limits_.maxExecutedLines) +
           " sort hajtana végre: végtelen ismétlés?");
      return;
    }
    size_t next = index + 1;
    if (!RunLine(index, next)) return;
    index = next;
  }
  if (!ended_ && !calls_.empty())
    Fail(static_cast<int>(calls_.back().program + 1),
         "az O" + std::to_string(listing_.lines[calls_.back().program].program) +
             " alprogram nem ér véget M99-cel");
}

bool Interpreter::RunLine(size_t index, size_t& next) {
  const ParsedLine& line = listing_.lines[index];
  line_ = static_cast<int>(index + 1);
  if (line.error >= 0) return Fail(listing_.errors[line.error]);
  if (line.program >= 0) {
    const std::string name = "O" + std::to_string(line.program);
    if (calls_.empty()) return Fail("a főprogram M30 nélkül ér az " + name + " alprogramhoz");
    const Call& call = calls_.back();
    return Fail(static_cast<int>(call.program + 1),
                "az O" + std::to_string(listing_.lines[call.program].program) +
                    " alprogram nem ér véget M99-cel");
  }
  if (line.diameter > 0 &&
      (path_.diameters.empty() || path_.diameters.back().diameter != line.diameter))
    path_.diameters.push_back({path_.moves.size(), line.diameter});
  if (line.wordBegin == line.wordEnd && line.assignBegin == line.assignEnd) return true;

  LineWords w;
  LineCodes c;
  return ReadWords(line, w) && Assign(line) && Classify(w, c) && Settings(w, c) && Motion(w, c) &&
         Flow(w, c, index, next);
}

bool Interpreter::ReadWords(const ParsedLine& line, LineWords& w) {
  std::string error;
  for (uint32_t i = line.wordBegin; i < line.wordEnd; ++i) {
    const Word& word = listing_.words[i];
    double value = 0;
    if (!Evaluate(word.value, listing_.code, variables_.data(), value, error))
      return Fail(std::string("a(z) ") + word.letter + " szó értéke: " + error);
    if (word.letter == 'G' || word.letter == 'M') {
      const bool g = word.letter == 'G';
      int& count = g ? w.gCount : w.mCount;
      if (count == 8) return Fail(std::string("túl sok ") + word.letter + "-kód egy sorban");
      const double scaled = g ? value * 10 : value;
      const double code = std::round(scaled);
      if (std::fabs(scaled - code) > 1e-6 || code < 0 || code > 100000)
        return Fail(std::string("ismeretlen ") + word.letter + "-kód: " + word.letter +
                    FloatToStr(value, '.'));
      (g ? w.g : w.m)[count++] = static_cast<int>(code);
      continue;
    }
    w.has |= 1u << (word.letter - 'A');
    w.value[word.letter - 'A'] = value;
  }
  return true;
}

bool Interpreter::Assign(const ParsedLine& line) {
  if (line.assignBegin == line.assignEnd) return true;
  // Every value of the line is read before any variable changes.
  struct Pending {
    int index;
    double value;
  };
  Pending pending[16];
  size_t count = 0;
  std::string error;
  for (uint32_t i = line.assignBegin; i < line.assignEnd; ++i) {
    const Assignment& a = listing_.assignments[i];
    double index = 0, value = 0;
    int number = 0;
    if (!Evaluate(a.index, listing_.code, variables_.data(), index, error) ||
        !VariableIndex(index, number, error) ||
        !Evaluate(a.value, listing_.code, variables_.data(), value, error))
      return Fail(error);
    if (count == 16) return Fail("túl sok értékadás egy sorban");
    pending[count++] = {number, value};
  }
  for (size_t i = 0; i < count; ++i) variables_[pending[i].index] = pending[i].value;
  return true;
}

bool Interpreter::Classify(const LineWords& w, LineCodes& c) {
  const auto set = [&](int& group, int code, char letter) {
    if (group >= 0)
      return Fail("egy sorban két azonos csoportú kód: " + CodeText(letter, group) + " és " +
                  CodeText(letter, code));
    group = code;
    return true;
  };
  for (int i = 0; i < w.gCount; ++i) {
    const int g = w.g[i];
    bool ok = true;
    switch (g) {
      case 0:
      case 10:
      case 20:
      case 30:
      case 730:
      case 830:
      case 800:
        ok = set(c.motion, g, 'G');
        break;
      case 40:
      case 100:
        ok = set(c.nonModal, g, 'G');
        break;
      case 170:
        break;
      case 200:
        return Fail("csak milliméteres programot olvasok (G21), hüvelykeset (G20) nem");
      case 210:
        ok = set(c.units, g, 'G');
        break;
      case 540:
      case 550:
      case 560:
      case 570:
      case 580:
      case 590:
        ok = set(c.system, g, 'G');
        break;
      case 900:
      case 910:
        ok = set(c.distance, g, 'G');
        break;
      case 980:
      case 990:
        ok = set(c.retract, g, 'G');
        break;
      case 180:
      case 190:
        return Fail("csak az XY síkban (G17) olvasok ívet: " + CodeText('G', g));
      default:
        return Fail("ismeretlen G-kód: " + CodeText('G', g));
    }
    if (!ok) return false;
  }
  for (int i = 0; i < w.mCount; ++i) {
    const int m = w.m[i];
    int coolant = -1;
    switch (m) {
      case 2:
      case 30:
        if (!set(c.stop, m * 10, 'M')) return false;
        break;
      case 3:
      case 4:
      case 5:
        if (!set(c.spindle, m * 10, 'M')) return false;
        break;
      case 6:
        c.toolChange = true;
        break;
      case 7:
      case 8:
        c.coolantOn |= m == 7 ? kMist : kFlood;
        coolant = m;
        break;
      case 9:
        c.coolantOff = true;
        coolant = m;
        break;
      case 98:
      case 99:
        if (!set(c.call, m * 10, 'M')) return false;
        break;
      default:
        return Fail("ismeretlen M-kód: M" + std::to_string(m));
    }
    if (coolant >= 0 && c.coolantOn && c.coolantOff)
      return Fail("egy sorban két azonos csoportú kód: M" + std::to_string(m) + " és M9");
  }
  if (c.call == 980 && c.nonModal >= 0)
    return Fail("az M98 nem állhat " + CodeText('G', c.nonModal) + " mellett egy sorban");
  if (c.nonModal == 100 && c.motion >= 0)
    return Fail("a G10 nem állhat mozgáskód mellett egy sorban");
  return true;
}

bool Interpreter::Whole(const LineWords& w, char letter, long long low, long long& out) {
  const double v = w.Get(letter);
  const double r = std::round(v);
  if (std::fabs(v - r) > 1e-6 || r < low || r > 2e9)
    return Fail(std::string("a(z) ") + letter + " szó értéke csak " + std::to_string(low) +
                " vagy nagyobb egész szám lehet");
  out = static_cast<long long>(r);
  return true;
}

bool Interpreter::Settings(const LineWords& w, const LineCodes& c) {
  if (w.Has('F')) {
    if (w.Get('F') < 0) return Fail("az előtolás (F) nem lehet negatív");
    feed_ = w.Get('F');
  }
  if (w.Has('S')) {
    if (w.Get('S') < 0) return Fail("a fordulatszám (S) nem lehet negatív");
    speed_ = w.Get('S');
  }
  long long number = 0;
  if (w.Has('T')) {
    if (!Whole(w, 'T', 0, number)) return false;
    selected_ = static_cast<int>(number);
  }
  if (c.toolChange) {
    tool_ = selected_;
    if (!Emit(MoveKind::ToolChange, at_)) return false;
  }
  if (c.spindle >= 0)
    spindle_ = c.spindle == 30   ? Spindle::Clockwise
               : c.spindle == 40 ? Spindle::CounterClockwise
                                 : Spindle::Off;
  if (c.coolantOff) coolant_ = 0;
  coolant_ |= c.coolantOn;
  if (c.nonModal == 40) {
    if (!w.Has('P') || w.Get('P') < 0)
      return Fail("a G4 várakozáshoz nem negatív P kell (ezredmásodperc)");
    if (!Emit(MoveKind::Dwell, at_)) return false;
    path_.moves.back().seconds = w.Get('P') / 1000;
  }
  if (c.system >= 0) {
    const double* old = Offset();
    const double machine[3] = {at_.x + old[0], at_.y + old[1], at_.z + old[2]};
    system_ = c.system / 10 - 53;
    at_ = {machine[0] - Offset()[0], machine[1] - Offset()[1], machine[2] - Offset()[2]};
    originNoted_ = false;
  }
  if (c.distance >= 0) incremental_ = c.distance == 910;
  if (c.retract >= 0) retractToStart_ = c.retract == 980;
  if (c.nonModal == 100) return SetOffsets(w);
  return true;
}

bool Interpreter::SetOffsets(const LineWords& w) {
  long long l = 0, p = 0;
  if (!w.Has('L') || !Whole(w, 'L', 0, l) || l != 2)
    return Fail("a G10 sorból csak a G10 L2 (munkadarab-nullpont) olvasható");
  if (!w.Has('P') || !Whole(w, 'P', 0, p) || p > 6)
    return Fail("a G10 L2 P száma 0 (az érvényes) vagy 1..6 (G54..G59) lehet");
  const int system = p == 0 ? system_ : static_cast<int>(p);
  double* offset = offsets_[system];
  const double machine[3] = {at_.x + Offset()[0], at_.y + Offset()[1], at_.z + Offset()[2]};
  const char axes[3] = {'X', 'Y', 'Z'};
  for (int i = 0; i < 3; ++i)
    if (w.Has(axes[i])) offset[i] = w.Get(axes[i]);
  if (system == system_) {
    at_ = {machine[0] - offset[0], machine[1] - offset[1], machine[2] - offset[2]};
    originNoted_ = false;
  }
  return true;
}

bool Interpreter::Flow(const LineWords& w, const LineCodes& c, size_t index, size_t& next) {
  if (c.call == 980) {
    long long program = 0, repeats = 1;
    if (!w.Has('P')) return Fail("az M98 hívásból hiányzik az alprogram száma (P)");
    if (!Whole(w, 'P', 0, program)) return false;
    if (w.Has('L') && !Whole(w, 'L', 0, repeats)) return false;
    const auto found = programs_.find(static_cast<int>(program));
    if (found == programs_.end())
      return Fail("nincs O" + std::to_string(program) + " alprogram a listában");
    if (const auto twice = duplicates_.find(static_cast<int>(program)); twice != duplicates_.end())
      return Fail(static_cast<int>(twice->second + 1),
                  "az O" + std::to_string(program) + " alprogram már szerepelt a " +
                      std::to_string(found->second + 1) + ". sorban");
    if (repeats == 0) return true;
    if (static_cast<int>(calls_.size()) >= limits_.maxCallDepth)
      return Fail("az alprogramok " + std::to_string(limits_.maxCallDepth) +
                  " szintnél mélyebben hívják egymást: önmagát hívó alprogram?");
    calls_.push_back({found->second, index + 1, repeats});
    next = found->second + 1;
  }
  if (c.stop >= 0) ended_ = true;
  if (c.call == 990 && !ended_) {
    if (calls_.empty()) return Fail("M99 alprogramon kívül");
    Call& call = calls_.back();
    if (--call.left > 0) {
      next = call.program + 1;
    } else {
      next = call.back;
      calls_.pop_back();
    }
  }
  return true;
}

void Interpreter::NoteOrigin() {
  originNoted_ = true;
  const WorkOrigin origin{53 + system_, {Offset()[0], Offset()[1], Offset()[2]}};
  for (const WorkOrigin& o : path_.origins)
    if (o.system == origin.system && o.at.x == origin.at.x && o.at.y == origin.at.y &&
        o.at.z == origin.at.z)
      return;
  path_.origins.push_back(origin);
}

bool Interpreter::Emit(MoveKind kind, const Vec3& to) {
  if (path_.moves.size() >= limits_.maxMoves)
    return Fail("a program több mint " + std::to_string(limits_.maxMoves) +
                " mozgást írna le: végtelen ismétlés?");
  if (!originNoted_) NoteOrigin();
  at_ = to;
  Move m;
  m.kind = kind;
  m.spindle = spindle_;
  m.coolant = coolant_;
  m.cycle = cycleMove_;
  m.line = line_;
  m.tool = tool_;
  m.end = {to.x + Offset()[0], to.y + Offset()[1], to.z + Offset()[2]};
  m.feed = feed_;
  m.speed = speed_;
  path_.moves.push_back(m);
  return true;
}

bool Interpreter::EmitArc(const Vec3& to, double cx, double cy, bool clockwise, int turns) {
  if (!Emit(MoveKind::Arc, to)) return false;
  Move& m = path_.moves.back();
  m.cx = cx + Offset()[0];
  m.cy = cy + Offset()[1];
  m.clockwise = clockwise;
  m.turns = turns;
  return true;
}

}  // namespace verlo::toolpath::detail
