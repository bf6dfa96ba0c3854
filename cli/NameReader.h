// Reads the names of one input (a file or standard input) into a name list: UTF-8 text, one
// name per line, LF or CR LF line breaks, a byte-order mark at the start skipped. Bytes that are
// not UTF-8 stop the reading with an error naming the input and the line. It keeps no more than
// the line being read; the list keeps the names.
#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>

#include "check/NameList.h"
#include "web/Result.h"

namespace cli {

class NameReader {
 public:
  NameReader(std::string inputName, check::NameList& list);

  // Takes the next bytes of the input, split anywhere.
  web::Status Feed(std::string_view bytes);
  // The input has ended: takes its last line, which need not end with a line break.
  web::Status Finish();

 private:
  web::Status TakeLine(std::string_view line);

  std::string inputName_;
  check::NameList& list_;
  std::string pending_;  // the start of a line whose end has not come yet
  std::size_t lineNumber_ = 0;
  bool atStart_ = true;
};

// Reads a whole stream through a NameReader. Also fails when the stream cannot be read.
web::Status ReadNames(std::istream& in, const std::string& inputName, check::NameList& list);

// Strict UTF-8 (no overlong forms, surrogates or values above U+10FFFF) to UTF-16; false when
// the bytes are not UTF-8.
bool DecodeUtf8(std::string_view bytes, std::u16string& out);

}  // namespace cli
