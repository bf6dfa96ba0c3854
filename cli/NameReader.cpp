#include "NameReader.h"

#include <cstdint>
#include <utility>

#include "base/Text.h"
#include "web/Module1.h"

namespace cli {

NameReader::NameReader(std::string inputName, names::NameList* list)
    : inputName_(std::move(inputName)), list_(list) {}

base::Status NameReader::Feed(std::string_view bytes) {
  if (!decided_) {
    head_.append(bytes);
    if (head_.size() < 2) return base::Ok();
    decided_ = true;
    if (head_.starts_with("\xFF\xFE")) encoding_ = Encoding::Utf16Le;
    if (head_.starts_with("\xFE\xFF")) encoding_ = Encoding::Utf16Be;
    const std::string first = std::exchange(head_, {});
    return TakeBytes(encoding_ == Encoding::Utf8 ? first : FromUtf16(first));
  }
  return TakeBytes(encoding_ == Encoding::Utf8 ? std::string(bytes) : FromUtf16(bytes));
}

std::string NameReader::FromUtf16(std::string_view bytes) {
  std::string pending = std::exchange(carried_, {}) + std::string(bytes);
  std::u16string units = std::exchange(highSurrogate_, {});
  std::size_t i = 0;
  for (; i + 1 < pending.size(); i += 2) {
    const auto a = static_cast<unsigned char>(pending[i]);
    const auto b = static_cast<unsigned char>(pending[i + 1]);
    units += encoding_ == Encoding::Utf16Le ? char16_t(a | b << 8) : char16_t(a << 8 | b);
  }
  carried_ = pending.substr(i);
  // A high surrogate at the end waits for its other half in the next piece.
  if (!units.empty() && base::IsHighSurrogate(units.back())) {
    highSurrogate_ = units.back();
    units.pop_back();
  }
  return base::Utf16ToUtf8(units);
}

base::Status NameReader::TakeBytes(std::string_view bytes) {
  for (;;) {
    const std::size_t end = bytes.find('\n');
    if (end == std::string_view::npos) break;
    base::Status taken = base::Ok();
    if (pending_.empty()) {
      taken = TakeLine(bytes.substr(0, end));
    } else {
      pending_.append(bytes.substr(0, end));
      taken = TakeLine(pending_);
      pending_.clear();
    }
    if (!taken) return taken;
    bytes.remove_prefix(end + 1);
  }
  pending_.append(bytes);
  return base::Ok();
}

base::Status NameReader::Finish() {
  if (!decided_) {
    decided_ = true;
    if (base::Status taken = TakeBytes(std::exchange(head_, {})); !taken) return taken;
  }
  if (!highSurrogate_.empty() || !carried_.empty()) pending_ += "\xEF\xBF\xBD";  // cut off
  highSurrogate_.clear();
  carried_.clear();
  if (pending_.empty()) return base::Ok();
  base::Status taken = TakeLine(pending_);
  pending_.clear();
  return taken;
}

base::Status NameReader::TakeLine(std::string_view line) {
  ++lineNumber_;
  if (atStart_) {
    atStart_ = false;
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
  }
  if (line.ends_with('\r')) line.remove_suffix(1);
  std::u16string text;
  if (!base::DecodeUtf8(line, text)) {
    // Chinese text saved in the system's code page reads as GB18030 throughout.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(line.data());
    const auto gbk = web::DecodeBytes({bytes, line.size()}, u"gb18030");
    const bool looksGbk = gbk && gbk.value().find(u'\uFFFD') == std::u16string::npos;
    return base::Failure{inputName_ + ":" + std::to_string(lineNumber_) + ": invalid UTF-8" +
                        (looksGbk ? "; save it as UTF-8 (it looks like GBK)" : "")};
  }
  if (list_) list_->AddLine(text);
  return base::Ok();
}

base::Status ReadNames(std::istream& in, const std::string& inputName, names::NameList& list) {
  NameReader reader(inputName, &list);
  std::string buffer(64 * 1024, '\0');
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got == 0) break;
    if (base::Status fed = reader.Feed(std::string_view(buffer).substr(0, got)); !fed) return fed;
  }
  if (in.bad()) return base::Failure{inputName + ": cannot be read"};
  return reader.Finish();
}

}  // namespace cli
