// Byte decoding with glibc's iconv. "gb2312" is read as GB18030, which contains GBK and GB2312
// and is what browsers use for pages labelled gb2312. A byte that starts no valid sequence
// becomes U+FFFD and decoding goes on with the next byte, so one bad byte never loses a page.
#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "Module1.h"

namespace web {
namespace {

constexpr std::size_t kPieceBytes = 4096;

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
  explicit Converter(const std::string& from)
      : cd_(iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE",
                       from.c_str())) {}
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

// UTF-16 output in the machine's byte order, written by iconv straight into the text.
class Output {
 public:
  explicit Output(std::size_t expectedUnits) : text_(expectedUnits + 8, u'\0') {}

  char** cursor() { return &next_; }
  std::size_t* room() { return &room_; }

  void Grow() {
    const std::size_t used = UsedBytes();
    text_.resize(text_.size() * 2);
    next_ = reinterpret_cast<char*>(text_.data()) + used;
    room_ = text_.size() * 2 - used;
  }
  void AppendReplacement() {
    if (room_ < 2) Grow();
    const char16_t replacement = u'\uFFFD';
    std::memcpy(next_, &replacement, 2);
    next_ += 2;
    room_ -= 2;
  }
  std::u16string Take() {
    text_.resize(UsedBytes() / 2);
    return std::move(text_);
  }

 private:
  std::size_t UsedBytes() const { return text_.size() * 2 - room_; }

  std::u16string text_;
  char* next_ = reinterpret_cast<char*>(text_.data());
  std::size_t room_ = text_.size() * 2;
};

}  // namespace

base::Result<std::u16string> DecodeBytes(std::span<const std::uint8_t> bytes,
                                   std::u16string_view charset) {
  const std::string name = IconvName(charset);
  if (name.empty()) return base::Failure{"unknown character set"};
  Converter converter(name);
  if (!converter.ok()) return base::Failure{"unknown character set " + name};

  // iconv's interface takes a non-const input pointer but never writes through it.
  char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  std::size_t inLeft = bytes.size();
  // One unit per byte is enough for nearly every charset; Grow() covers the rest.
  Output out(bytes.size());
  while (inLeft > 0) {
    // Bounded pieces keep each call's cost independent of the input's size, even where a
    // checking tool inspects all the input it is offered on every call.
    const std::size_t piece = std::min(inLeft, kPieceBytes);
    const bool lastPiece = piece == inLeft;
    std::size_t pieceLeft = piece;
    const size_t done = iconv(converter.handle(), &in, &pieceLeft, out.cursor(), out.room());
    const int error = errno;
    inLeft -= piece - pieceLeft;
    if (done != size_t(-1)) continue;
    if (error == E2BIG) {
      out.Grow();
    } else if (error == EILSEQ) {
      out.AppendReplacement();
      ++in;
      --inLeft;
    } else if (error == EINVAL) {
      // A sequence cut by the end of a piece is read again with the next one; one cut by the
      // end of the input is replaced.
      if (lastPiece) {
        out.AppendReplacement();
        inLeft = 0;
      }
    } else {
      return base::Failure{"cannot decode " + name};
    }
  }
  // Stateful encodings may still owe output for their final shift state.
  while (iconv(converter.handle(), nullptr, nullptr, out.cursor(), out.room()) == size_t(-1)) {
    if (errno != E2BIG) break;
    out.Grow();
  }
  return out.Take();
}

}  // namespace web
