// Ctrl+C for the command line: the first press asks the running check to stop, so that what is
// already answered can still be written out; a second press ends the program at once. On POSIX
// a thread of its own waits for SIGINT, so nothing runs inside a signal handler; on Windows the
// console's control handler, which runs on a thread of its own, does the same.
#pragma once

#include <stop_token>

namespace cli {

// The exit status of a program ended by Ctrl+C, as shells report it.
inline constexpr int kInterruptedExit = 130;

// Call before any other thread starts, so that every thread leaves SIGINT to the waiting one.
void StopOnInterrupt(std::stop_source stop);

}  // namespace cli
