// A-labels through the system's IdnToAscii, which follows IDNA 2008 with the UTS #46 mapping
// since Windows 8.
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "names/ALabel.h"

namespace names {
namespace {

// The characters that IDNA 2008 keeps but transitional processing (and IDNA 2003) maps to
// others: ß to "ss", ς to σ, the joiners to nothing. "faß.de" and "fass.de" are different
// names, which registries register apart.
bool HasDeviation(std::wstring_view name) {
  return std::any_of(name.begin(), name.end(), [](wchar_t c) {
    return c == 0x00DF || c == 0x03C2 || c == 0x200C || c == 0x200D;
  });
}

}  // namespace

base::Result<std::string> ConvertIdn(std::u16string_view name) {
  const std::wstring wide(name.begin(), name.end());
  wchar_t out[512];
  const int n = IdnToAscii(0, wide.c_str(), int(wide.size()), out, int(std::size(out)));
  if (n <= 0) {
    return base::Failure{"cannot be an IDN: the system refused it (error " +
                        std::to_string(GetLastError()) + ")"};
  }
  // A system that maps them transitionally would ask about another name: its A-label, read
  // back, has lost them.
  if (HasDeviation(wide)) {
    wchar_t back[512];
    const int m = IdnToUnicode(0, out, n, back, int(std::size(back)));
    if (m <= 0 || !HasDeviation(std::wstring_view(back, std::size_t(m)))) {
      return base::Failure{
          "cannot be an IDN: this system would turn ß, ς or a joiner into other letters, "
          "which is another name"};
    }
  }
  std::string converted;
  for (int i = 0; i < n; ++i) converted.push_back(char(out[i] < 0x80 ? out[i] : '?'));
  return converted;
}

}  // namespace names
