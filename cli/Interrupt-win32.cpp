#include <windows.h>

#include <atomic>

#include "Interrupt.h"

namespace cli {
namespace {

// The console calls the handler on a thread of its own; these outlive every call.
std::stop_source gStop;
std::atomic<int> gPresses{0};

BOOL WINAPI OnConsoleControl(DWORD event) {
  if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) return FALSE;
  if (gPresses++ == 0) {
    gStop.request_stop();
    return TRUE;
  }
  ExitProcess(kInterruptedExit);
}

}  // namespace

void StopOnInterrupt(std::stop_source stop) {
  gStop = stop;
  SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

}  // namespace cli
