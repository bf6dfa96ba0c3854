// Public suffixes through libpsl, reading the list built into the program rather than the
// system's copy, so that Linux and Windows judge names by the same version of the list.
#include <libpsl.h>

#include <cstdio>
#include <memory>

#include "names/PublicSuffix.h"

namespace names {
namespace {

psl_ctx_t* LoadBuiltInList() {
  const std::string_view text = PublicSuffixListText();
  // fmemopen only reads the buffer, though its signature does not say so.
  std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
  if (!file) return nullptr;
  psl_ctx_t* list = psl_load_fp(file);
  std::fclose(file);
  return list;
}

const psl_ctx_t* BuiltInList() {
  static const std::unique_ptr<psl_ctx_t, decltype(&psl_free)> list(LoadBuiltInList(), &psl_free);
  return list.get();
}

}  // namespace

bool IsPublicSuffix(std::string_view aLabel) {
  // Without the list (out of memory at start), by the implicit rule alone: a top-level label.
  if (!BuiltInList()) return aLabel.find('.') == std::string_view::npos;
  return psl_is_public_suffix2(BuiltInList(), std::string(aLabel).c_str(), PSL_TYPE_ICANN) != 0;
}

bool IsListedSuffix(std::string_view aLabel) {
  return BuiltInList() && psl_is_public_suffix2(BuiltInList(), std::string(aLabel).c_str(),
                                                PSL_TYPE_ICANN | PSL_TYPE_NO_STAR_RULE) != 0;
}

}  // namespace names
