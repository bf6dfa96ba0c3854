// A source that also asks about the variants of a Chinese name under a registry that bundles
// them (names/HanVariants.h): a name its registry calls available whose variant is registered
// is reserved, "bundled with" the variant, since the variant's holder holds it too; one whose
// variant no answer could be had for is unknown, as it may be so held. Every other answer
// passes as it is. A name with variants costs a question for each.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "check/Source.h"

namespace check {

class BundledVariants final : public Source {
 public:
  explicit BundledVariants(std::unique_ptr<Source> inner) : inner_(std::move(inner)) {}

  using Source::Check;
  void Check(NameFeed& names, const Report& report, std::stop_token stop) override;
  std::size_t PausedNames() const override { return inner_->PausedNames(); }

 private:
  std::unique_ptr<Source> inner_;
};

// A name's own answer with its variants' answers (the variant and what was said of it).
Answer WithVariants(Answer own, const std::vector<std::pair<std::u16string, Answer>>& variants);

}  // namespace check
