// Reads the names of one input (a file or standard input) into a name list: UTF-8 text, one
// name per line, LF or CR LF line breaks, a byte-order mark at the start skipped; or UTF-16
// with its byte-order mark (Notepad's "Unicode"). Bytes that are not UTF-8 stop the reading
// with an error naming the input and the line, and a hint where they read as GBK. It keeps no
// more than the line being read; the list keeps the names.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "names/NameList.h"

namespace cli {

class NameReader {
 public:
  // Without a list, it only checks the input.
  NameReader(std::string inputName, names::NameList* list);

  // Takes the next bytes of the input, split anywhere.
  base::Status Feed(std::string_view bytes);
  // The input has ended: takes its last line, which need not end with a line break.
  base::Status Finish();

 private:
  base::Status TakeLine(std::string_view line);
  base::Status TakeBytes(std::string_view bytes);
  // UTF-16 bytes, those of an unfinished character kept back, as UTF-8 (an unpaired surrogate
  // as U+FFFD, which no name may hold).
  std::string FromUtf16(std::string_view bytes);

  std::string inputName_;
  names::NameList* list_;
  std::string pending_;  // the start of a line whose end has not come yet
  std::size_t lineNumber_ = 0;
  bool atStart_ = true;
  // The first bytes, until they tell UTF-16 (a byte-order mark) from UTF-8.
  std::string head_;
  bool decided_ = false;
  enum class Encoding { Utf8, Utf16Le, Utf16Be } encoding_ = Encoding::Utf8;
  std::string carried_;           // an odd byte of a UTF-16 code unit
  std::u16string highSurrogate_;  // the first half of a pair split between two pieces
};

// Reads a whole stream through a NameReader. Also fails when the stream cannot be read.
base::Status ReadNames(std::istream& in, const std::string& inputName, names::NameList& list);

}  // namespace cli
