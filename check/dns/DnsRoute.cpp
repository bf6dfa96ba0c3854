#include "check/dns/DnsRoute.h"

#include <cstdio>
#include <random>
#include <utility>

#include "base/Text.h"

namespace check {
namespace {

Answer Failed(std::u16string detail) {
  return Unknown(std::move(detail), base::FailureKind::Dns);
}

}  // namespace

DnsRoute::DnsRoute(std::shared_ptr<NsResolver> resolver, std::u16string_view routes)
    : resolver_(std::move(resolver)), routes_(routes) {}

DnsRoute::Suffix DnsRoute::LookUpSuffix(const std::string& suffix) {
  {
    std::lock_guard lock(mutex_);
    if (const auto found = suffixes_.find(suffix); found != suffixes_.end()) return found->second;
  }
  Suffix looked{resolver_->LookUpNs(suffix), {}};
  if (looked.zone.kind == NsAnswer::Kind::Failed || looked.zone.kind == NsAnswer::Kind::NoSuchName)
    return looked;
  // A made-up name under the suffix: if DNS delegates it, it delegates any name (a wildcard).
  char label[24];
  std::snprintf(label, sizeof label, "brelka-probe-%08x", unsigned(std::random_device{}()));
  looked.madeUp = resolver_->LookUpNs(label + ("." + suffix));
  // Only what DNS said is kept: a failed look-up is tried again for the next name.
  if (looked.madeUp.kind != NsAnswer::Kind::Failed) {
    std::lock_guard lock(mutex_);
    suffixes_.emplace(suffix, looked);
  }
  return looked;
}

Answer DnsRoute::Settle(std::string_view aLabel) {
  const std::string suffix(aLabel.substr(aLabel.rfind('.') + 1));
  const std::u16string noRoute = u"no " + routes_ + u" service for ." + base::FromUtf8(suffix);
  const Suffix looked = LookUpSuffix(suffix);
  if (looked.zone.kind == NsAnswer::Kind::NoSuchName) {
    return Failed(noRoute + u", and DNS does not know the suffix");
  }
  const NsAnswer& first = looked.zone.kind == NsAnswer::Kind::Failed ? looked.zone : looked.madeUp;
  if (first.kind == NsAnswer::Kind::Failed) {
    return Failed(noRoute + u", and DNS failed: " + base::FromUtf8(first.reason));
  }
  if (looked.madeUp.kind == NsAnswer::Kind::Delegated) {
    return Failed(noRoute + u"; DNS delegates made-up names under ." + base::FromUtf8(suffix) +
                  u" too (a wildcard), so it proves nothing");
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
  return Failed(noRoute + u", and DNS failed: " + base::FromUtf8(name.reason));
}

}  // namespace check
