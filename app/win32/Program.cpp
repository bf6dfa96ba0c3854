#include "Program.h"

#include <shellapi.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Form1Window.h"
#include "Wide.h"

namespace app::win32 {
namespace {

std::string ToUtf8(std::wstring_view text) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), narrow.data(), length,
                      nullptr, nullptr);
  return narrow;
}

std::vector<std::string> Arguments() {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(ToUtf8(wide[i]));
  LocalFree(wide);
  return args;
}

void Tell(HWND owner, const std::wstring& text, UINT icon) {
  MessageBoxW(owner, text.c_str(), Wide(kAppTitle).c_str(), MB_OK | icon | MB_SETFOREGROUND);
}

}  // namespace

std::wstring SettingsFile() {
  std::wstring folder = Wide(Win32Platform().ProgramFolder());
  // A drive's root keeps its separator.
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  const std::wstring beside = folder + L"brelka.ini";
  if (GetFileAttributesW(beside.c_str()) != INVALID_FILE_ATTRIBUTES) return beside;
  wchar_t* roaming = nullptr;
  std::wstring file = beside;
  if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &roaming))) {
    file = std::wstring(roaming) + L"\\Brelka\\brelka.ini";
  }
  CoTaskMemFree(roaming);
  return file;
}

SourceChoice ChooseSource(std::optional<QuerySource> given, const std::wstring& file) {
  std::optional<std::string> text;
  if (!given) {
    std::ifstream in(std::filesystem::path(file), std::ios::binary);
    if (in) text.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return app::ChooseSource(given, Utf16(file), text, [&file] {
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"query", L"source", L"", value, static_cast<DWORD>(std::size(value)),
                             file.c_str());
    return ToUtf8(value);
  });
}

int RunProgram(int showCommand, const ProgramOptions& options) {
  const std::vector<std::string> args = Arguments();
  auto given = ReadSourceArguments(args);
  if (!given) {
    Tell(nullptr, FromUtf8(given.error()), MB_ICONERROR);
    return 2;
  }
  const SourceChoice choice = ChooseSource(given.value(), SettingsFile());
  SourceOpener registries;
  if (choice.source == QuerySource::Registry) {
    std::function<check::RegistrySetup()> setup = options.registries;
    if (!setup) {
      setup = [] { return check::DefaultRegistrySetup(std::string("brelka/") + BRELKA_VERSION); };
    }
    registries = [setup](std::stop_token stop) { return check::OpenRegistrySource(setup(), stop); };
  }

  Win32Platform platform;
  std::unique_ptr<web::HttpSession> session = web::OpenHttpSession();
  Form1Window window(platform, *session, options.registrarBase, options.captionSuffix,
                     std::move(registries));
  // A failed start is told in a box that stays until the user answers it; the window never shows.
  if (base::Status opened = window.Open(showCommand); !opened) {
    Tell(nullptr, FromUtf8(opened.error()), MB_ICONERROR);
    return 1;
  }
  if (choice.fault) Tell(window.Handle(), Wide(*choice.fault), MB_ICONWARNING);
  return RunMessageLoop(window);
}

}  // namespace app::win32
