// brelka-cli's output as most command-line tests compare it: without the checked column, whose
// times differ from run to run. The column itself is pinned by the tests that are about it.
#pragma once

#include <regex>
#include <string>

#include "ChildProcess.h"

namespace testing_support {

inline std::string WithoutCheckedColumn(const std::string& out) {
  static const std::regex tsv("\t(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ|demo)\n");
  static const std::regex csv(",(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ|demo|checked)\r\n");
  static const std::regex json(
      ",\"checked\":\"(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ|demo)\"");
  std::string text = std::regex_replace(out, tsv, "\n");
  text = std::regex_replace(text, csv, "\r\n");
  return std::regex_replace(text, json, "");
}

// A run of the program with the checked column taken out of its standard output.
inline ChildOutcome RunCli(const std::string& program, const std::vector<std::string>& args,
                           const std::string& input) {
  ChildOutcome run = RunChild(program, args, input);
  run.out = WithoutCheckedColumn(run.out);
  return run;
}

}  // namespace testing_support
