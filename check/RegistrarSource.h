// The registrar's bulk search as a source of answers: the window's three requests (the search
// POST, the selection page GET, the removal POST) made through the query's own code, for at
// most 490 names at a time, one chunk after another in one cookie session. A name the registrar
// lists as available is Available, any other name of the chunk Registered; a chunk whose search
// or selection page fails leaves all its names Unknown with the reason, and the next chunk
// goes on. It does not retry, and it never asks the registrar about a name twice.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "Source.h"
#include "query/BulkQuery.h"
#include "web/HttpRequest.h"

namespace check {

class RegistrarSource final : public Source {
 public:
  // The most names one search carries: what the window accepts with a final line break.
  static constexpr std::size_t kChunkSize = 490;

  explicit RegistrarSource(web::HttpSession& session,
                           std::u16string registrarBase = std::u16string(query::kRegistrarBase));

  using Source::Check;
  void Check(NameFeed& names, const Report& report, std::stop_token stop) override;

 private:
  class StopPump;
  void CheckChunk(const std::vector<NameFeed::Name>& chunk, const Report& report, StopPump& pump);

  web::HttpSession& session_;
  std::u16string registrarBase_;
};

}  // namespace check
