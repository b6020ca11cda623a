#include "toolpath/expression.h"

#include <charconv>
#include <cmath>

namespace verlo::toolpath::detail {
namespace {

constexpr int kMaxNesting = 40;  // brackets within brackets
constexpr int kMaxStack = 64;    // values an evaluation holds at once
constexpr double kPi = 3.14159265358979323846;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsLetter(char c) {
  return c >= 'A' && c <= 'Z';
}

struct Function {
  const char* name;
  Op op;
};
constexpr Function kFunctions[] = {{"ABS", Op::Abs},     {"FIX", Op::Fix},   {"FUP", Op::Fup},
                                   {"ROUND", Op::Round}, {"SQRT", Op::Sqrt}, {"SIN", Op::Sin},
                                   {"COS", Op::Cos}};

class Parser {
 public:
  Parser(const std::string& text, size_t& pos, std::string& error)
      : text_(text), pos_(pos), error_(error) {}

  // value := [sign] primary
  bool SignedPrimary(int depth) {
    if (Peek() == '-' || Peek() == '+') {
      const bool minus = text_[pos_++] == '-';
      if (!Primary(depth)) return false;
      if (minus) Push(Op::Neg);
      return true;
    }
    return Primary(depth);
  }

  bool Expression(int depth) {
    if (!Term(depth)) return false;
    while (Peek() == '+' || Peek() == '-') {
      const Op op = text_[pos_++] == '+' ? Op::Add : Op::Sub;
      if (!Term(depth)) return false;
      Push(op);
    }
    return true;
  }

  // A variable's index: '#' followed by a primary.
  bool Variable(int depth) {
    ++pos_;  // '#'
    return Primary(depth);
  }

  std::vector<Instr> code;

 private:
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void Push(Op op, double value = 0) { code.push_back({op, 0, value}); }
  bool Fail(const std::string& message) {
    error_ = message;
    return false;
  }

  bool Term(int depth) {
    if (!SignedPrimary(depth)) return false;
    for (;;) {
      Op op;
      if (Peek() == '*') {
        op = Op::Mul;
      } else if (Peek() == '/') {
        op = Op::Div;
      } else if (Peek() == '%') {
        op = Op::Mod;
      } else if (text_.compare(pos_, 3, "MOD") == 0) {
        op = Op::Mod;
        pos_ += 2;
      } else {
        return true;
      }
      ++pos_;
      if (!SignedPrimary(depth)) return false;
      Push(op);
    }
  }

  bool Bracketed(int depth) {
    if (depth >= kMaxNesting) return Fail("túl mélyen egymásba ágyazott zárójelek");
    ++pos_;  // '['
    if (!Expression(depth + 1)) return false;
    if (Peek() != ']') {
      if (pos_ >= text_.size()) return Fail("hiányzik a záró szögletes zárójel \"]\"");
      return Fail(std::string("hibás kifejezés: váratlan \"") + text_[pos_] + "\"");
    }
    ++pos_;
    return true;
  }

  bool Number() {
    char buffer[64];
    size_t n = 0;
    bool point = false, digits = false;
    while (pos_ < text_.size()) {
      const char c = text_[pos_];
      if (IsDigit(c)) {
        digits = true;
      } else if ((c == '.' || (c == ',' && pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1]))) &&
                 !point) {
        point = true;
      } else {
        break;
      }
      if (n + 1 >= sizeof buffer) return Fail("túl hosszú szám");
      buffer[n++] = c == ',' ? '.' : c;
      ++pos_;
    }
    if (!digits) return Fail("hiányzó szám");
    double value = 0;
    const auto result = std::from_chars(buffer, buffer + n, value);
    if (result.ec != std::errc() || !std::isfinite(value)) return Fail("túl nagy szám");
    Push(Op::Const, value);
    return true;
  }

  bool Primary(int depth) {
    const char c = Peek();
    if (IsDigit(c) || c == '.' || c == ',') return Number();
    if (c == '[') return Bracketed(depth);
    if (c == '#') {
      if (depth >= kMaxNesting) return Fail("túl mélyen egymásba ágyazott változók");
      if (!Variable(depth + 1)) return false;
      Push(Op::VarAt);
      return true;
    }
    if (IsLetter(c)) {
      size_t end = pos_;
      while (end < text_.size() && IsLetter(text_[end])) ++end;
      const std::string name = text_.substr(pos_, end - pos_);
      for (const Function& f : kFunctions) {
        if (name != f.name) continue;
        if (end >= text_.size() || text_[end] != '[')
          return Fail("a(z) " + name + " függvény után szögletes zárójel kell");
        pos_ = end;
        if (!Bracketed(depth)) return false;
        Push(f.op);
        return true;
      }
      if (end < text_.size() && text_[end] == '[') return Fail("ismeretlen függvény: " + name);
      return Fail("hiányzó szám");
    }
    if (c == '\0') return Fail("hiányzó szám");
    return Fail(std::string("hiányzó szám: váratlan \"") + c + "\"");
  }

  const std::string& text_;
  size_t& pos_;
  std::string& error_;
};

// Turns a Const followed by VarAt into Var, and checks the stack stays small.
bool Finish(std::vector<Instr>& code, std::string& error) {
  std::vector<Instr> out;
  out.reserve(code.size());
  for (const Instr& in : code) {
    if (in.op == Op::VarAt && !out.empty() && out.back().op == Op::Const) {
      int index = 0;
      if (!VariableIndex(out.back().value, index, error)) return false;
      out.back() = {Op::Var, index, 0};
      continue;
    }
    out.push_back(in);
  }
  int depth = 0;
  for (const Instr& in : out) {
    switch (in.op) {
      case Op::Const:
      case Op::Var:
        ++depth;
        break;
      case Op::Add:
      case Op::Sub:
      case Op::Mul:
      case Op::Div:
      case Op::Mod:
        --depth;
        break;
      case Op::VarAt:
      case Op::Neg:
      case Op::Abs:
      case Op::Fix:
      case Op::Fup:
      case Op::Round:
      case Op::Sqrt:
      case Op::Sin:
      case Op::Cos:
        break;
    }
    if (depth > kMaxStack) {
      error = "túl bonyolult kifejezés";
      return false;
    }
  }
  code.swap(out);
  return true;
}

bool Store(std::vector<Instr>& pending, std::vector<Instr>& code, Value& out, std::string& error) {
  if (!Finish(pending, error)) return false;
  bool constant = true;
  for (const Instr& in : pending) constant = constant && in.op != Op::Var && in.op != Op::VarAt;
  out = Value{};
  if (constant)
    return Evaluate({0, 0, static_cast<uint32_t>(pending.size())}, pending, nullptr, out.constant,
                    error);
  out.begin = static_cast<uint32_t>(code.size());
  out.size = static_cast<uint32_t>(pending.size());
  code.insert(code.end(), pending.begin(), pending.end());
  return true;
}

bool Fail(std::string& error, const char* message) {
  error = message;
  return false;
}

}  // namespace

bool VariableIndex(double value, int& index, std::string& error) {
  const double rounded = std::round(value);
  if (std::fabs(value - rounded) > 1e-6 || rounded < 1 || rounded >= kVariableCount) {
    error = "érvénytelen változószám (#1 .. #" + std::to_string(kVariableCount - 1) + ")";
    return false;
  }
  index = static_cast<int>(rounded);
  return true;
}

// A plain number ("-2.0000", "150"), the common case, read without building
// an expression. False when the value is anything else.
bool PlainNumber(const std::string& text, size_t& pos, Value& out) {
  size_t end = pos;
  if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
  const size_t first = end;
  bool point = false;
  while (end < text.size()) {
    const char c = text[end];
    if (c >= '0' && c <= '9') {
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
    ++end;
  }
  if (end == first || (end == first + 1 && point) || end - pos > 40 ||
      (end < text.size() &&
       (text[end] == ',' || text[end] == '[' || text[end] == '#' || text[end] == '.')))
    return false;
  // Up to 15 digits and 22 decimals: the digits as a whole number divided by
  // a power of ten, both exact, is the correctly rounded value.
  static constexpr double kTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                     1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                     1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  long long digits = 0;
  int count = 0, decimals = 0;
  bool after = false;
  for (size_t i = first; i < end; ++i) {
    if (text[i] == '.') {
      after = true;
      continue;
    }
    if (count > 0 || text[i] != '0') ++count;
    digits = digits * 10 + (text[i] - '0');
    if (after) ++decimals;
    if (count > 15) return false;
  }
  if (decimals > 22) return false;
  const double value = static_cast<double>(digits) / kTens[decimals];
  out = Value{};
  out.constant = text[pos] == '-' ? -value : value;
  pos = end;
  return true;
}

bool ParseValue(const std::string& text, size_t& pos, std::vector<Instr>& code, Value& out,
                std::string& error) {
  if (PlainNumber(text, pos, out)) return true;
  Parser parser(text, pos, error);
  return parser.SignedPrimary(0) && Store(parser.code, code, out, error);
}

bool ParseVariableIndex(const std::string& text, size_t& pos, std::vector<Instr>& code, Value& out,
                        std::string& error) {
  Parser parser(text, pos, error);
  return parser.Variable(0) && Store(parser.code, code, out, error);
}

bool Evaluate(const Value& value, const std::vector<Instr>& code, const double* variables,
              double& out, std::string& error) {
  if (value.IsConstant()) {
    out = value.constant;
    return true;
  }
  double stack[kMaxStack + 1];
  int top = 0;  // values on the stack
  const Instr* in = code.data() + value.begin;
  for (const Instr* end = in + value.size; in != end; ++in) {
    double& a = stack[top > 0 ? top - 1 : 0];
    switch (in->op) {
      case Op::Const:
        stack[top++] = in->value;
        continue;
      case Op::Var:
        stack[top++] = variables ? variables[in->var] : 0;
        continue;
      case Op::VarAt: {
        int index = 0;
        if (!VariableIndex(a, index, error)) return false;
        a = variables ? variables[index] : 0;
        continue;
      }
      case Op::Neg:
        a = -a;
        continue;
      case Op::Abs:
        a = std::fabs(a);
        continue;
      case Op::Fix:
        a = std::floor(a);
        continue;
      case Op::Fup:
        a = std::ceil(a);
        continue;
      case Op::Round:
        a = std::round(a);
        continue;
      case Op::Sqrt:
        if (a < 0) return Fail(error, "negatív szám négyzetgyöke");
        a = std::sqrt(a);
        continue;
      case Op::Sin:
        a = std::sin(a * kPi / 180);
        continue;
      case Op::Cos:
        a = std::cos(a * kPi / 180);
        continue;
      case Op::Add:
      case Op::Sub:
      case Op::Mul:
      case Op::Div:
      case Op::Mod:
        break;
    }
    const double b = stack[--top];
    double& l = stack[top - 1];
    switch (in->op) {
      case Op::Add:
        l += b;
        break;
      case Op::Sub:
        l -= b;
        break;
      case Op::Mul:
        l *= b;
        break;
      case Op::Div:
        if (b == 0) return Fail(error, "osztás nullával");
        l /= b;
        break;
      case Op::Mod:
        if (b == 0) return Fail(error, "osztás nullával (maradékképzés)");
        l = std::fmod(l, b);
        if (l < 0) l += std::fabs(b);
        break;
      case Op::Const:
      case Op::Var:
      case Op::VarAt:
      case Op::Neg:
      case Op::Abs:
      case Op::Fix:
      case Op::Fup:
      case Op::Round:
      case Op::Sqrt:
      case Op::Sin:
      case Op::Cos:
        break;
    }
  }
  out = stack[0];
  if (!std::isfinite(out)) return Fail(error, "túl nagy érték");
  return true;
}

}  // namespace verlo::toolpath::detail
