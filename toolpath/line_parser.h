// The listing parsed once, before it runs: each line's words and variable
// assignments with their values compiled, its subprogram number, the tool
// diameter its comment names, or what is wrong with it (reported only if the
// line runs, as the control would).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolpath/expression.h"

namespace verlo::toolpath::detail {

struct Word {
  char letter = 0;  // upper case
  Value value;
};

struct Assignment {
  Value index;  // the variable's number
  Value value;
};

struct ParsedLine {
  uint32_t wordBegin = 0, wordEnd = 0;      // in ParsedListing::words
  uint32_t assignBegin = 0, assignEnd = 0;  // in ParsedListing::assignments
  int32_t program = -1;                     // "O<n>": n
  int32_t error = -1;                       // index in ParsedListing::errors
  double diameter = 0;                      // a tool diameter a comment names
};

struct ParsedListing {
  std::vector<ParsedLine> lines;
  std::vector<Word> words;
  std::vector<Assignment> assignments;
  std::vector<Instr> code;
  std::vector<std::string> errors;
};

ParsedListing ParseListing(const std::vector<std::string>& lines);

// The diameter a comment names ("szerszám átmérője 6", "szerszámátmérő: 6,5",
// "tool diameter 6"), or 0.
double DiameterInComment(const std::string& comment);

}  // namespace verlo::toolpath::detail
