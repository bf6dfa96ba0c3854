#include "Splitting.h"

#include <cassert>

namespace query {

std::vector<std::u16string_view> Split(std::u16string_view text, std::u16string_view delimiter) {
  assert(!delimiter.empty());
  std::vector<std::u16string_view> pieces;
  if (text.empty()) return pieces;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(delimiter, start)) != std::u16string_view::npos;) {
    pieces.push_back(text.substr(start, at - start));
    start = at + delimiter.size();
  }
  pieces.push_back(text.substr(start));
  return pieces;
}

std::size_t CountPieces(std::u16string_view text, std::u16string_view delimiter,
                        std::size_t limit) {
  assert(!delimiter.empty());
  if (text.empty() || limit == 0) return 0;
  std::size_t count = 1;
  for (std::size_t at = text.find(delimiter); at != std::u16string_view::npos && count < limit;
       at = text.find(delimiter, at + delimiter.size())) {
    ++count;
  }
  return count;
}

base::Result<std::u16string_view> PieceAt(std::u16string_view text, std::u16string_view delimiter,
                                         std::size_t n) {
  assert(!delimiter.empty());
  if (text.empty()) return base::Failure{"the text has no pieces"};
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t at = text.find(delimiter, start);
    if (at == std::u16string_view::npos) return base::Failure{"the text has no such piece"};
    start = at + delimiter.size();
  }
  const std::size_t end = text.find(delimiter, start);
  return text.substr(start, end == std::u16string_view::npos ? end : end - start);
}

bool Contains(std::u16string_view text, std::u16string_view what) {
  return text.find(what) != std::u16string_view::npos;
}

std::u16string ReplaceAll(std::u16string_view text, std::u16string_view what,
                          std::u16string_view with) {
  assert(!what.empty());
  std::u16string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(what, start)) != std::u16string_view::npos;) {
    out.append(text.substr(start, at - start)).append(with);
    start = at + what.size();
  }
  out.append(text.substr(start));
  return out;
}

}  // namespace query
