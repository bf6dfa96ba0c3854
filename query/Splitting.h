// Splitting a text on a delimiter, the one way every list in the query is read. The pieces lie
// between the occurrences of the delimiter, matched exactly; a text without the delimiter is one
// piece, and an empty text has no pieces at all, so asking for any piece of it fails.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace query {

std::vector<std::u16string_view> Split(std::u16string_view text, std::u16string_view delimiter);

// The number of pieces, counting no further than limit, so a huge text costs no memory.
std::size_t CountPieces(std::u16string_view text, std::u16string_view delimiter,
                        std::size_t limit);

// Piece number n (from 0), or a failure when the text has no such piece.
base::Result<std::u16string_view> PieceAt(std::u16string_view text, std::u16string_view delimiter,
                                         std::size_t n);

bool Contains(std::u16string_view text, std::u16string_view what);

// Replaces every non-overlapping occurrence, left to right, in one pass: what a replacement
// produces is not searched again.
std::u16string ReplaceAll(std::u16string_view text, std::u16string_view what,
                          std::u16string_view with);

}  // namespace query
