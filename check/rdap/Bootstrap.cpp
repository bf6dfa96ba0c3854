#include "check/rdap/Bootstrap.h"

#include <nlohmann/json.hpp>

#include "base/LowerCase.h"

namespace check {
namespace {

// The address to use from a service's list: the first https one, else the first http one.
std::optional<std::string> PickBaseUrl(const nlohmann::json& urls) {
  std::optional<std::string> http;
  for (const auto& url : urls) {
    if (!url.is_string()) continue;
    const std::string text = url.get<std::string>();
    if (base::StartsWithIgnoringCase(text, "https://") && text.size() > 8) {
      return text.ends_with('/') ? text : text + '/';
    }
    if (!http && base::StartsWithIgnoringCase(text, "http://") && text.size() > 7) {
      http = text.ends_with('/') ? text : text + '/';
    }
  }
  return http;
}

}  // namespace

base::Result<Bootstrap> Bootstrap::Parse(std::string_view json) {
  const nlohmann::json root = nlohmann::json::parse(json, nullptr, false);
  if (root.is_discarded()) return base::Failure{"the bootstrap file is not JSON"};
  if (!root.is_object() || !root.contains("services") || !root["services"].is_array()) {
    return base::Failure{"the bootstrap file has no list of services"};
  }
  Bootstrap bootstrap;
  for (const auto& service : root["services"]) {
    if (!service.is_array() || service.size() < 2 || !service[0].is_array() ||
        !service[1].is_array()) {
      continue;
    }
    const std::optional<std::string> base = PickBaseUrl(service[1]);
    if (!base) continue;
    for (const auto& entry : service[0]) {
      if (!entry.is_string()) continue;
      std::string suffix = base::AsciiLower(entry.get<std::string>());
      while (suffix.starts_with('.')) suffix.erase(0, 1);
      if (!suffix.empty()) bootstrap.baseUrls_.emplace(std::move(suffix), *base);
    }
  }
  return bootstrap;
}

void Bootstrap::Merge(const Bootstrap& other, bool replace) {
  for (const auto& [suffix, baseUrl] : other.baseUrls_) {
    if (replace) {
      baseUrls_.insert_or_assign(suffix, baseUrl);
    } else {
      baseUrls_.emplace(suffix, baseUrl);
    }
  }
}

std::optional<Service> Bootstrap::ServiceFor(std::string_view name) const {
  // From the longest suffix (after the first dot) to the shortest (the last label).
  for (auto dot = name.find('.'); dot != std::string_view::npos; dot = name.find('.', dot + 1)) {
    const std::string_view suffix = name.substr(dot + 1);
    if (const auto found = baseUrls_.find(suffix); found != baseUrls_.end()) {
      return Service{found->first, found->second};
    }
  }
  return std::nullopt;
}

}  // namespace check
