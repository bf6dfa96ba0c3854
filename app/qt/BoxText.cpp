#include "BoxText.h"

namespace qtapp {

std::u16string CoreTextFromBox(const QString& raw) {
  std::u16string text;
  text.reserve(static_cast<std::size_t>(raw.size()));
  for (const QChar c : raw) {
    if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
      text += u"\r\n";
    } else {
      text += static_cast<char16_t>(c.unicode());
    }
  }
  return text;
}

QString BoxTextFromCore(std::u16string_view text) {
  return FromCore(text);
}

QString FromCore(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace qtapp
