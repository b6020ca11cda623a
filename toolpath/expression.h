// The values of G-code words: numbers, #-variables and bracket expressions,
// compiled once into a small stack program and evaluated each time the line
// runs (a subprogram's lines run many times).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace verlo::toolpath::detail {

// #1 .. #9999; #0 and higher numbers are refused.
constexpr int kVariableCount = 10000;

enum class Op : uint8_t {
  Const,
  Var,    // push #index
  VarAt,  // pop an index, push that variable
  Neg,
  Add,
  Sub,
  Mul,
  Div,
  Mod,  // the remainder, never negative (LinuxCNC's MOD; the host's %)
  Abs,
  Fix,    // round down
  Fup,    // round up
  Round,  // to the nearest whole number
  Sqrt,
  Sin,  // degrees
  Cos,
};

struct Instr {
  Op op = Op::Const;
  int32_t var = 0;
  double value = 0;
};

// A word's value: a constant, or `size` instructions from `begin` in the
// listing's code.
struct Value {
  double constant = 0;
  uint32_t begin = 0, size = 0;
  bool IsConstant() const { return size == 0; }
};

// Parses a value at text[pos] (upper-case letters, no spaces): an optional
// sign and a number, a variable (#12, ##3, #[expr]), a bracket expression or
// a function (ABS[...]). Appends its instructions to `code` and moves `pos`
// past it; expressions of constants are folded. False with a Hungarian
// message when the text holds no value or a broken one.
bool ParseValue(const std::string& text, size_t& pos, std::vector<Instr>& code, Value& out,
                std::string& error);

// Parses "#<index>" at text[pos] (the '#' included) into the value of the
// index: for an assignment's target.
bool ParseVariableIndex(const std::string& text, size_t& pos, std::vector<Instr>& code, Value& out,
                        std::string& error);

// The value with the variables as they stand; false with a Hungarian
// message (division by zero, a variable number out of range, a result too
// large to be a number).
bool Evaluate(const Value& value, const std::vector<Instr>& code, const double* variables,
              double& out, std::string& error);

// The variable number a value names, or a message when it names none.
bool VariableIndex(double value, int& index, std::string& error);

}  // namespace verlo::toolpath::detail
