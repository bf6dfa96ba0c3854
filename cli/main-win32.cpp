// brelka-cli.exe: the arguments arrive as wide characters and go on as UTF-8.
#include <windows.h>

#include <string>
#include <vector>

#include "BuiltInDemo.h"
#include "Run.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), length, nullptr, nullptr);
    arg.pop_back();  // the terminating NUL
    args.push_back(std::move(arg));
  }
  return cli::Run(args, cli::StartBuiltInDemo);
}
