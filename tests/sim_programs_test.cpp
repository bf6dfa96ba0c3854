// The simulators' own programs, as scripts and the benchmarks start them: each says where it
// listens and ends with 0 at Ctrl+C.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "ChildProcess.h"

namespace {

using testing_support::Child;
using testing_support::ProgramBeside;

TEST(SimulatorPrograms, ServeUntilInterruptedAndEndWithZero) {
  const std::string bootstrap = testing::TempDir() + "sim_programs_bootstrap.json";
  struct Case {
    const char* program;
    std::vector<std::string> args;
    const char* listening;
  };
  const Case cases[] = {
      {"registrar-sim", {"--port", "0"}, "registrar-sim listening on http://127.0.0.1:"},
      {"rdap-sim", {"--bootstrap", bootstrap}, "rdap-sim listening"},
  };
  for (const Case& c : cases) {
    Child child(ProgramBeside(c.program), c.args, "");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (child.OutputSoFar().find(c.listening) == std::string::npos &&
           std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    child.Interrupt();
    const auto outcome = child.Wait(std::chrono::seconds(20));
    EXPECT_FALSE(outcome.timedOut) << c.program;
    EXPECT_EQ(outcome.exitCode, 0) << c.program << ": " << outcome.err;
    EXPECT_NE(outcome.out.find(c.listening), std::string::npos) << c.program << ": " << outcome.out;
  }
}

TEST(SimulatorPrograms, RefuseAWrongCommandLineWithTwo) {
  EXPECT_EQ(testing_support::RunChild(ProgramBeside("registrar-sim"), {"--port", "x"}).exitCode, 2);
  EXPECT_EQ(testing_support::RunChild(ProgramBeside("rdap-sim"), {}).exitCode, 2);
}

}  // namespace
