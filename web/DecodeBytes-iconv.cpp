// Byte decoding with glibc's iconv. "gb2312" is read as GB18030, which contains GBK and GB2312
// and is what browsers use for pages labelled gb2312. A byte that starts no valid sequence
// becomes U+FFFD and decoding goes on with the next byte, so one bad byte never loses a page.
#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <string>

#include "Module1.h"

namespace web {
namespace {

// The name iconv should open, or an empty string for a name it must not see: only plain ASCII
// names, without the "//" suffixes that change iconv's error handling.
std::string IconvName(std::u16string_view charset) {
  std::string name;
  for (char16_t c : charset) {
    if (c <= 0x20 || c >= 0x7F || c == u'/') return {};
    name.push_back(char(c));
  }
  std::string lower = name;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
  if (lower == "gb2312") return "GB18030";
  return name;
}

class Converter {
 public:
  explicit Converter(const std::string& from) : cd_(iconv_open("UTF-16LE", from.c_str())) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t handle() const { return cd_; }

 private:
  iconv_t cd_;
};

// UTF-16LE output bytes, grown on demand, with the room iconv writes into.
class Output {
 public:
  explicit Output(std::size_t expected) : bytes_(expected + 16, '\0') {}

  char** cursor() { return &next_; }
  std::size_t* room() { return &room_; }

  void Grow() {
    const std::size_t used = bytes_.size() - room_;
    bytes_.resize(bytes_.size() * 2);
    room_ = bytes_.size() - used;
    next_ = bytes_.data() + used;
  }
  void AppendReplacement() {
    if (room_ < 2) Grow();
    *next_++ = char(0xFD);
    *next_++ = char(0xFF);
    room_ -= 2;
  }
  std::u16string Text() const {
    const std::size_t used = bytes_.size() - room_;
    std::u16string text(used / 2, u'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
      text[i] = char16_t(static_cast<unsigned char>(bytes_[2 * i]) |
                         static_cast<unsigned char>(bytes_[2 * i + 1]) << 8);
    }
    return text;
  }

 private:
  std::string bytes_;
  char* next_ = bytes_.data();
  std::size_t room_ = bytes_.size();
};

}  // namespace

Result<std::u16string> DecodeBytes(std::span<const std::uint8_t> bytes,
                                   std::u16string_view charset) {
  const std::string name = IconvName(charset);
  if (name.empty()) return Failure{"unknown character set"};
  Converter converter(name);
  if (!converter.ok()) return Failure{"unknown character set " + name};

  // iconv's interface takes a non-const input pointer but never writes through it.
  char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  std::size_t inLeft = bytes.size();
  Output out(2 * bytes.size());
  while (inLeft > 0) {
    if (iconv(converter.handle(), &in, &inLeft, out.cursor(), out.room()) != size_t(-1)) break;
    if (errno == E2BIG) {
      out.Grow();
    } else if (errno == EILSEQ) {
      out.AppendReplacement();
      ++in;
      --inLeft;
    } else if (errno == EINVAL) {
      // The input ends inside a sequence.
      out.AppendReplacement();
      inLeft = 0;
    } else {
      return Failure{"cannot decode " + name};
    }
  }
  // Stateful encodings may still owe output for their final shift state.
  while (iconv(converter.handle(), nullptr, nullptr, out.cursor(), out.room()) == size_t(-1)) {
    if (errno != E2BIG) break;
    out.Grow();
  }
  return out.Text();
}

}  // namespace web
