// Runs a program of this build as a separate process, the way a shell or script would: the
// given bytes on its standard input, its standard output and error captured whole, its exit
// status. A child that outlives the time limit is killed and reported as timed out.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "CapturedStream.h"

namespace testing_support {

struct ChildOutcome {
  int exitCode = -1;
  bool timedOut = false;
  std::string out;
  std::string err;
};

// How the child's standard streams meet the test, beyond the usual pipes.
struct Streams {
  // Standard input is the test's own (a terminal or console) instead of the given bytes.
  bool inputFromTerminal = false;
  // As `head -1` reads: the first line of standard output is kept, then the pipe is closed.
  bool firstLineOnly = false;
};

class Child {
 public:
  Child(const std::string& program, const std::vector<std::string>& args, const std::string& input,
        Streams streams = {});
  ~Child();
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // Ctrl+C: SIGINT on POSIX.
  void Interrupt();
  // At once, as a crash or a power cut would end it: SIGKILL, TerminateProcess.
  void Kill();
  // What the child has written to standard output so far, while it runs.
  std::string OutputSoFar() const { return out_.SoFar(); }
  // And to standard error.
  std::string ErrorSoFar() const { return err_.SoFar(); }
  ChildOutcome Wait(std::chrono::seconds limit = std::chrono::seconds(60));

 private:
  struct Impl;
  // Filled by the platform's reader threads, which end before these do.
  CapturedStream out_, err_;
  std::unique_ptr<Impl> impl_;
};

inline ChildOutcome RunChild(const std::string& program, const std::vector<std::string>& args,
                             const std::string& input = "") {
  Child child(program, args, input);
  return child.Wait();
}

// The path of a program that lies beside the running test program.
std::string ProgramBeside(const std::string& name);

}  // namespace testing_support
