#include "check/dns/DnsRoute.h"

#include <optional>
#include <utility>

#include "check/Utf8.h"

namespace check {
namespace {

Answer Failed(std::u16string detail) {
  return Unknown(std::move(detail), web::FailureKind::Dns);
}

}  // namespace

DnsRoute::DnsRoute(std::shared_ptr<NsResolver> resolver, std::u16string_view routes)
    : resolver_(std::move(resolver)), routes_(routes) {}

Answer DnsRoute::Settle(std::string_view aLabel) {
  const std::string suffix(aLabel.substr(aLabel.rfind('.') + 1));
  const std::u16string noRoute = u"no " + routes_ + u" service for ." + FromUtf8(suffix);
  std::optional<NsAnswer> zone;
  {
    std::lock_guard lock(mutex_);
    if (const auto found = suffixes_.find(suffix); found != suffixes_.end()) zone = found->second;
  }
  if (!zone) {
    zone = resolver_->LookUpNs(suffix);
    // Only what DNS said is kept: a failed look-up is tried again for the next name.
    if (zone->kind != NsAnswer::Kind::Failed) {
      std::lock_guard lock(mutex_);
      suffixes_.emplace(suffix, *zone);
    }
  }
  if (zone->kind == NsAnswer::Kind::NoSuchName) {
    return Failed(noRoute + u", and DNS does not know the suffix");
  }
  if (zone->kind == NsAnswer::Kind::Failed) {
    return Failed(noRoute + u", and DNS failed: " + FromUtf8(zone->reason));
  }
  const NsAnswer name = resolver_->LookUpNs(std::string(aLabel));
  switch (name.kind) {
    case NsAnswer::Kind::Delegated:
      return WithStatus(Status::Registered, noRoute + u"; DNS delegates the name");
    case NsAnswer::Kind::NoSuchName:
      return WithStatus(Status::LikelyAvailable, noRoute + u"; DNS has no such name");
    case NsAnswer::Kind::NoRecords:
      return Failed(noRoute + u"; DNS knows the name but has no NS records for it");
    case NsAnswer::Kind::Failed:
      break;
  }
  return Failed(noRoute + u", and DNS failed: " + FromUtf8(name.reason));
}

}  // namespace check
