#include <windows.h>

#include <stdexcept>
#include <thread>

#include "ChildProcess.h"
#include "win32/StartProcess.h"

namespace testing_support {
namespace {

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(std::size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
  return wide;
}

// One argument as the C runtime's parser reads it back.
std::wstring Quoted(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    out += c;
  }
  out.append(2 * backslashes, L'\\');
  return out + L"\"";
}

void ReadAll(HANDLE pipe, CapturedStream& into) {
  char buffer[65536];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0 &&
         into.Take(buffer, got)) {
  }
  CloseHandle(pipe);
}

}  // namespace

struct Child::Impl {
  PROCESS_INFORMATION process{};
  std::thread writer, outReader, errReader;
};

Child::Child(const std::string& program, const std::vector<std::string>& args,
             const std::string& input, Streams streams)
    : out_(streams.firstLineOnly), impl_(std::make_unique<Impl>()) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
  if (!CreatePipe(&inRead, &inWrite, &inherit, 0) ||
      !CreatePipe(&outRead, &outWrite, &inherit, 0) ||
      !CreatePipe(&errRead, &errWrite, &inherit, 0)) {
    throw std::runtime_error("CreatePipe failed");
  }
  for (HANDLE ours : {inWrite, outRead, errRead})
    SetHandleInformation(ours, HANDLE_FLAG_INHERIT, 0);

  std::wstring commandLine = Quoted(Wide(program));
  for (const std::string& arg : args) commandLine += L" " + Quoted(Wide(arg));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = streams.inputFromTerminal ? GetStdHandle(STD_INPUT_HANDLE) : inRead;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  const DWORD error =
      StartProcess(commandLine, TRUE, CREATE_NEW_PROCESS_GROUP, nullptr, startup, impl_->process);
  CloseHandle(inRead);
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  if (error != 0) {
    throw std::runtime_error("cannot start " + program + " (error " + std::to_string(error) +
                             ", three tries)");
  }

  impl_->writer = std::thread([inWrite, input] {
    DWORD written = 0;
    for (std::size_t sent = 0; sent < input.size(); sent += written) {
      if (!WriteFile(inWrite, input.data() + sent, DWORD(input.size() - sent), &written, nullptr) ||
          written == 0) {
        break;
      }
    }
    CloseHandle(inWrite);
  });
  impl_->outReader = std::thread([this, outRead] { ReadAll(outRead, out_); });
  impl_->errReader = std::thread([this, errRead] { ReadAll(errRead, err_); });
}

Child::~Child() {
  if (impl_->process.hProcess) {
    TerminateProcess(impl_->process.hProcess, 1);
    (void)Wait(std::chrono::seconds(10));
  }
}

void Child::Interrupt() {
  GenerateConsoleCtrlEvent(CTRL_BREAK_EVENT, impl_->process.dwProcessId);
}

void Child::Kill() {
  TerminateProcess(impl_->process.hProcess, 1);
}

ChildOutcome Child::Wait(std::chrono::seconds limit) {
  ChildOutcome outcome;
  if (WaitForSingleObject(impl_->process.hProcess, DWORD(limit.count() * 1000)) != WAIT_OBJECT_0) {
    outcome.timedOut = true;
    TerminateProcess(impl_->process.hProcess, 1);
    WaitForSingleObject(impl_->process.hProcess, INFINITE);
  }
  DWORD code = 0;
  GetExitCodeProcess(impl_->process.hProcess, &code);
  outcome.exitCode = int(code);
  for (std::thread* t : {&impl_->writer, &impl_->outReader, &impl_->errReader}) {
    if (t->joinable()) t->join();
  }
  CloseHandle(impl_->process.hThread);
  CloseHandle(impl_->process.hProcess);
  impl_->process = {};
  outcome.out = out_.SoFar();
  outcome.err = err_.SoFar();
  return outcome;
}

std::string ProgramBeside(const std::string& name) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, n);
  folder.erase(folder.find_last_of(L"\\/") + 1);
  const std::wstring full = folder + Wide(name);
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, full.data(), int(full.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(std::size_t(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, full.data(), int(full.size()), utf8.data(), length, nullptr,
                      nullptr);
  return utf8;
}

}  // namespace testing_support
