#include "check/rdap/DomainReply.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <string>

#include "base/LowerCase.h"
#include "base/Text.h"
#include "check/Lifecycle.h"

namespace check {
namespace {

using nlohmann::json;

// The most variants kept of one answer: a registry may list a name's every variant.
constexpr std::size_t kMostVariants = 64;

constexpr const char* kErrorMembers[] = {"errorCode", "rdapConformance", "title", "description",
                                         "notices"};

Answer WrongShape(std::u16string detail) {
  return Unknown(std::move(detail), base::FailureKind::Protocol);
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
    if (word.is_string()) statuses.push_back(base::FromUtf8(word.get<std::string>()));
  }
  return statuses;
}

// RFC 9083 section 5.3: each variants entry's relations, and its variant names.
std::vector<Answer::Variant> Variants(const json& domain) {
  std::vector<Answer::Variant> variants;
  const json* entries = Member(domain, "variants");
  if (!entries || !entries->is_array()) return variants;
  for (const json& entry : *entries) {
    std::vector<std::u16string> relations;
    if (const json* relation = Member(entry, "relation"); relation && relation->is_array()) {
      for (const json& word : *relation) {
        if (word.is_string())
          relations.push_back(base::FromUtf8(base::AsciiLower(word.get<std::string>())));
      }
    }
    const json* names = Member(entry, "variantNames");
    if (!names || !names->is_array()) continue;
    for (const json& variant : *names) {
      const json* ldhName = Member(variant, "ldhName");
      if (!IsString(ldhName)) continue;
      std::string name = base::AsciiLower(ldhName->get<std::string>());
      if (name.ends_with('.')) name.pop_back();
      variants.push_back({base::FromUtf8(name), relations});
      if (variants.size() == kMostVariants) return variants;
    }
  }
  return variants;
}

Answer ReadDomainObject(std::string_view name, std::string_view contentType,
                        std::string_view body) {
  if (base::AsciiLower(contentType).find("html") != std::string::npos) {
    return WrongShape(u"the registry answered with a web page, not RDAP");
  }
  const json domain = json::parse(body, nullptr, false);
  if (domain.is_discarded()) return WrongShape(u"the registry's answer is not valid JSON");
  const json* objectClass = Member(domain, "objectClassName");
  if (!IsString(objectClass) || *objectClass != "domain") {
    return WrongShape(u"the registry's answer is not an RDAP domain object");
  }
  const json* ldhName = Member(domain, "ldhName");
  std::string answered = IsString(ldhName) ? base::AsciiLower(ldhName->get<std::string>()) : "";
  if (answered.ends_with('.')) answered.pop_back();
  if (answered != name) {
    return WrongShape(u"the registry answered for another name (" + base::FromUtf8(answered) +
                      u")");
  }
  Answer registered = WithStatus(Status::Registered);
  registered.registrar = base::FromUtf8(Registrar(domain));
  registered.expires = base::FromUtf8(EventDate(domain, "expiration"));
  SetLifecycle(registered, Statuses(domain), RdapPhaseWords(),
               base::FromUtf8(EventDate(domain, "last changed")));
  registered.variants = Variants(domain);
  return registered;
}

// The first words of a body, for a detail that lets a person see what answered.
std::u16string FirstWords(std::string_view body) {
  std::string words;
  for (char c : body.substr(0, 60)) words += c >= 0x20 && c < 0x7F ? c : ' ';
  return base::FromUtf8(words + (body.size() > 60 ? "..." : ""));
}

// The title and description lines of an RDAP error object, joined, for the reserved check.
std::string ErrorText(const json& error) {
  std::string text;
  if (const json* title = Member(error, "title"); IsString(title)) text = *title;
  if (const json* lines = Member(error, "description"); lines && lines->is_array()) {
    for (const json& line : *lines) {
      if (line.is_string()) text += " " + line.get<std::string>();
    }
  }
  return text;
}

// A registry that will not sell the name may still answer 404 for it ("This name is not
// available for registration: Registry Reserved"): taken, though by nobody.
bool SaysReserved(const std::string& text) {
  const std::string lower = base::AsciiLower(text);
  for (const char* words : {"reserved", "not available for registration", "cannot be registered"}) {
    if (lower.find(words) != std::string::npos) return true;
  }
  return false;
}

// RFC 9083 section 6: the registry's own "not found" is an empty body or an error object, which
// carries at least one of RDAP's members. A JSON body without any (a gateway's
// {"message":"Not Found"}) or a web page comes from something in front of the service.
Answer ReadNotFound(std::string_view body) {
  if (body.find_first_not_of(" \t\r\n") == std::string_view::npos) {
    return WithStatus(Status::Available);
  }
  const json error = json::parse(body, nullptr, false);
  const bool rdap =
      error.is_object() &&
      std::any_of(std::begin(kErrorMembers), std::end(kErrorMembers),
                  [&error](const char* member) { return Member(error, member) != nullptr; });
  if (!rdap) {
    return WrongShape(u"the answer 404 did not come from an RDAP service: " + FirstWords(body));
  }
  const std::string text = ErrorText(error);
  if (SaysReserved(text)) {
    Answer reserved = WithStatus(Status::Reserved);
    reserved.detail = base::FromUtf8(text);
    return reserved;
  }
  return WithStatus(Status::Available);
}

}  // namespace

Answer ReadDomainReply(std::string_view name, int status, std::string_view contentType,
                       std::string_view body) {
  if (status == 404) return ReadNotFound(body);
  if (status == 200) return ReadDomainObject(name, contentType, body);
  const std::string code = std::to_string(status);
  return Unknown(u"the registry answered HTTP " + std::u16string(code.begin(), code.end()),
                 base::FailureKind::Http);
}

}  // namespace check
