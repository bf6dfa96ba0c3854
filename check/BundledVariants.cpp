#include "check/BundledVariants.h"

#include <algorithm>
#include <deque>
#include <unordered_map>
#include <utility>
#include <vector>

#include "names/HanVariants.h"

namespace check {
namespace {

// One name of the caller's, waiting for its own answer and its variants'.
struct Waiting {
  std::size_t id = 0;
  std::size_t answers = 0;  // still to come
  std::optional<Answer> own;
  std::vector<std::pair<std::u16string, Answer>> variants;
};

// The caller's names, each followed by its variants, under ids of their own.
class VariantFeed final : public NameFeed {
 public:
  explicit VariantFeed(NameFeed& names) : names_(names) {}

  std::optional<Name> Next() override {
    if (!queued_.empty()) {
      Name next = std::move(queued_.front());
      queued_.pop_front();
      return next;
    }
    std::optional<Name> name = names_.Next();
    if (!name) return std::nullopt;
    const std::vector<std::u16string> variants = names::BundlesVariants(name->text)
                                                     ? names::HanVariants(name->text)
                                                     : std::vector<std::u16string>{};
    const std::size_t own = nextId_++;
    waiting_[own] = {name->id, 1 + variants.size(), std::nullopt, {}};
    of_[own] = {own, {}};
    for (const std::u16string& variant : variants) {
      of_[nextId_] = {own, variant};
      queued_.push_back({nextId_++, variant});
    }
    return Name{own, std::move(name->text), std::move(name->aLabel)};
  }

  // An answer under our id: the caller's, once its name has every answer it waits for.
  void Take(std::size_t id, Answer answer, const Source::Report& report) {
    const auto found = of_.find(id);
    if (found == of_.end()) return;
    const auto [own, variant] = std::move(found->second);
    of_.erase(found);
    Waiting& waiting = waiting_.at(own);
    if (variant.empty()) {
      waiting.own = std::move(answer);
    } else {
      waiting.variants.emplace_back(variant, std::move(answer));
    }
    if (--waiting.answers > 0) return;
    const std::size_t callers = waiting.id;
    Answer combined = WithVariants(std::move(*waiting.own), waiting.variants);
    waiting_.erase(own);
    report(callers, std::move(combined));
  }

 private:
  NameFeed& names_;
  std::size_t nextId_ = 0;
  std::deque<Name> queued_;
  std::unordered_map<std::size_t, Waiting> waiting_;
  // By our id: the own name's id, and the variant asked (empty for the name itself).
  std::unordered_map<std::size_t, std::pair<std::size_t, std::u16string>> of_;
};

// Whether the registry, in its answer for a registered variant, says that the name asked may be
// registered by anyone: it lists it with the relation "open registration".
bool OpenToAll(const Answer& variant, std::u16string_view aLabel) {
  return std::any_of(variant.variants.begin(), variant.variants.end(), [&](const auto& listed) {
    return listed.name == aLabel && std::find(listed.relations.begin(), listed.relations.end(),
                                              u"open registration") != listed.relations.end();
  });
}

}  // namespace

Answer WithVariants(Answer own, const std::vector<std::pair<std::u16string, Answer>>& variants) {
  if (own.status != Status::Available && own.status != Status::LikelyAvailable) return own;
  for (const auto& [variant, answer] : variants) {
    if (answer.status == Status::Registered && !OpenToAll(answer, own.aLabel)) {
      own.status = Status::Reserved;
      own.detail = u"bundled with " + variant;
      own.reason.reset();
      return own;
    }
  }
  for (const auto& [variant, answer] : variants) {
    if (answer.status == Status::Unknown) {
      Answer unknown =
          Unknown(u"its variant " + variant + u" could not be checked: " + answer.detail,
                  answer.reason.value_or(base::FailureKind::Protocol));
      unknown.source = own.source;
      unknown.aLabel = own.aLabel;
      unknown.checked = own.checked;
      return unknown;
    }
  }
  return own;
}

void BundledVariants::Check(NameFeed& names, const Report& report, std::stop_token stop) {
  VariantFeed feed(names);
  inner_->Check(
      feed, [&](std::size_t id, Answer answer) { feed.Take(id, std::move(answer), report); }, stop);
}

}  // namespace check
