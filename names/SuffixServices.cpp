#include "names/SuffixServices.h"

#include <nlohmann/json.hpp>

namespace names {

base::Result<SuffixServices> SuffixServices::Parse(std::string_view json) {
  const nlohmann::json table = nlohmann::json::parse(json, nullptr, false);
  const auto whois = table.is_object() ? table.find("whois") : table.end();
  const auto none = table.is_object() ? table.find("none") : table.end();
  if (whois == table.end() || !whois->is_object() || none == table.end() || !none->is_array()) {
    return base::Failure{"the suffix table needs a 'whois' object and a 'none' list"};
  }
  SuffixServices services;
  for (const auto& [suffix, host] : whois->items()) {
    if (!host.is_string() || host.get<std::string>().empty()) {
      return base::Failure{"the suffix table's server for '" + suffix + "' is not a host name"};
    }
    services.suffixes_[suffix] = {suffix, host.get<std::string>()};
  }
  for (const nlohmann::json& suffix : *none) {
    if (!suffix.is_string()) return base::Failure{"the suffix table's 'none' holds a non-text"};
    if (!services.suffixes_.emplace(suffix, SuffixService{suffix, std::nullopt}).second) {
      return base::Failure{"the suffix table names '" + suffix.get<std::string>() + "' twice"};
    }
  }
  return services;
}

const SuffixServices& SuffixServices::BuiltIn() {
  static const SuffixServices table = [] {
    auto parsed = Parse(SuffixServicesJson());
    return parsed ? std::move(parsed.value()) : SuffixServices();
  }();
  return table;
}

const SuffixService* SuffixServices::For(std::string_view aLabel) const {
  for (std::size_t dot = aLabel.find('.'); dot != std::string_view::npos;
       dot = aLabel.find('.', dot + 1)) {
    if (const auto found = suffixes_.find(aLabel.substr(dot + 1)); found != suffixes_.end()) {
      return &found->second;
    }
  }
  return nullptr;
}

bool SuffixServices::Lists(std::string_view suffix) const {
  return suffixes_.contains(suffix);
}

}  // namespace names
