// Our stand-in for the skin library the window attaches at start-up, built as libSkinH.so on
// Linux and as SkinH.dll (undecorated stdcall entry point) on Windows. It accepts the attach
// call, checks that the skin file is one of ours, and draws nothing: the window keeps the
// platform's standard look. It keeps no state and never touches a window.
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#define SKINH_EXPORT extern "C" __declspec(dllexport)
#define SKINH_CALL __stdcall
#else
#define SKINH_EXPORT extern "C" __attribute__((visibility("default")))
#define SKINH_CALL
#endif

namespace {

// The first line of every skin file of ours.
constexpr char kMagic[] = "BRELKA-SKIN 1\n";

}  // namespace

// 0: the skin file is ours. 1: it is missing, unreadable or of another format. The caller
// ignores the answer either way. On Windows the path comes in the system's ANSI code page.
SKINH_EXPORT int SKINH_CALL SkinH_AttachEx(const char* skinPath, const char* password) {
  (void)password;
  if (skinPath == nullptr) return 1;
  std::FILE* file = std::fopen(skinPath, "rb");
  if (file == nullptr) return 1;
  char head[sizeof kMagic] = {};
  const std::size_t read = std::fread(head, 1, sizeof kMagic - 1, file);
  std::fclose(file);
  return read == sizeof kMagic - 1 && std::memcmp(head, kMagic, read) == 0 ? 0 : 1;
}
