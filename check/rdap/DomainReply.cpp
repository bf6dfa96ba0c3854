#include "check/rdap/DomainReply.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "check/Lifecycle.h"
#include "check/Utf8.h"

namespace check {
namespace {

using nlohmann::json;

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
  return out;
}

Answer WrongShape(std::u16string detail) {
  return Unknown(std::move(detail), web::FailureKind::Protocol);
}

const json* Member(const json& object, const char* key) {
  if (!object.is_object()) return nullptr;
  const auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

bool IsString(const json* value) {
  return value && value->is_string();
}

bool HasRole(const json& entity, std::string_view role) {
  const json* roles = Member(entity, "roles");
  if (!roles || !roles->is_array()) return false;
  return std::any_of(roles->begin(), roles->end(), [role](const json& r) {
    return r.is_string() && r.get<std::string>() == role;
  });
}

// The "fn" (formatted name) of an entity's jCard: ["vcard", [["fn", {}, "text", "Name"], ...]].
std::string FormattedName(const json& entity) {
  const json* card = Member(entity, "vcardArray");
  if (!card || !card->is_array() || card->size() < 2 || !(*card)[1].is_array()) return "";
  for (const json& property : (*card)[1]) {
    if (property.is_array() && property.size() >= 4 && property[0] == "fn" &&
        property[3].is_string()) {
      return property[3].get<std::string>();
    }
  }
  return "";
}

std::string Registrar(const json& domain) {
  const json* entities = Member(domain, "entities");
  if (!entities || !entities->is_array()) return "";
  for (const json& entity : *entities) {
    if (!HasRole(entity, "registrar")) continue;
    std::string name = FormattedName(entity);
    if (name.empty() && IsString(Member(entity, "handle"))) name = *Member(entity, "handle");
    if (!name.empty()) return name;
  }
  return "";
}

// The date of the first event of that action ("expiration", "last changed").
std::string EventDate(const json& domain, std::string_view eventAction) {
  const json* events = Member(domain, "events");
  if (!events || !events->is_array()) return "";
  for (const json& event : *events) {
    const json* action = Member(event, "eventAction");
    const json* date = Member(event, "eventDate");
    if (IsString(action) && *action == eventAction && IsString(date)) return *date;
  }
  return "";
}

std::vector<std::u16string> Statuses(const json& domain) {
  std::vector<std::u16string> statuses;
  const json* status = Member(domain, "status");
  if (!status || !status->is_array()) return statuses;
  for (const json& word : *status) {
    if (word.is_string()) statuses.push_back(FromUtf8(word.get<std::string>()));
  }
  return statuses;
}

Answer ReadDomainObject(std::string_view name, std::string_view contentType,
                        std::string_view body) {
  if (Lower(contentType).find("html") != std::string::npos) {
    return WrongShape(u"the registry answered with a web page, not RDAP");
  }
  const json domain = json::parse(body, nullptr, false);
  if (domain.is_discarded()) return WrongShape(u"the registry's answer is not valid JSON");
  const json* objectClass = Member(domain, "objectClassName");
  if (!IsString(objectClass) || *objectClass != "domain") {
    return WrongShape(u"the registry's answer is not an RDAP domain object");
  }
  const json* ldhName = Member(domain, "ldhName");
  std::string answered = IsString(ldhName) ? Lower(ldhName->get<std::string>()) : "";
  if (answered.ends_with('.')) answered.pop_back();
  if (answered != name) {
    return WrongShape(u"the registry answered for another name (" + FromUtf8(answered) + u")");
  }
  Answer registered = WithStatus(Status::Registered);
  registered.registrar = FromUtf8(Registrar(domain));
  registered.expires = FromUtf8(EventDate(domain, "expiration"));
  SetLifecycle(registered, Statuses(domain), RdapPhaseWords(),
               FromUtf8(EventDate(domain, "last changed")));
  return registered;
}

}  // namespace

Answer ReadDomainReply(std::string_view name, int status, std::string_view contentType,
                       std::string_view body) {
  if (status == 404) {
    // Only the RDAP service's own "not found" (RFC 9083: an error object, or nothing) means the
    // registry has no such name; a web page is a proxy's or a CDN's, which know nothing of it.
    const bool empty = body.find_first_not_of(" \t\r\n") == std::string_view::npos;
    if (empty || json::parse(body, nullptr, false).is_object())
      return WithStatus(Status::Available);
    return WrongShape(u"the answer 404 came as a web page, not from an RDAP service");
  }
  if (status == 200) return ReadDomainObject(name, contentType, body);
  const std::string code = std::to_string(status);
  return Unknown(u"the registry answered HTTP " + std::u16string(code.begin(), code.end()),
                 web::FailureKind::Http);
}

}  // namespace check
