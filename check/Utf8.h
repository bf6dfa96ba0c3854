// UTF-8 from registries and libraries into the core's UTF-16, with invalid bytes as U+FFFD.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "web/Module1.h"

namespace check {

inline std::u16string FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  auto decoded = web::DecodeBytes({bytes, text.size()}, u"utf-8");
  return decoded ? std::move(decoded.value()) : std::u16string(u"\uFFFD");
}

}  // namespace check
