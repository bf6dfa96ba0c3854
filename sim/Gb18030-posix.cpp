#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "sim/Pages.h"

namespace sim::pages {

std::string EncodeGb18030(std::string_view utf8) {
  iconv_t converter = iconv_open("GB18030", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no GB18030 in iconv");
  std::string out;
  char buffer[1024];
  char* in = const_cast<char*>(utf8.data());
  size_t inLeft = utf8.size();
  while (inLeft > 0) {
    char* outPtr = buffer;
    size_t outLeft = sizeof buffer;
    const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<size_t>(outPtr - buffer));
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      // An invalid or cut-off sequence: replace its first byte and go on after it.
      out.push_back('?');
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace sim::pages
