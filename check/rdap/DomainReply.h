// What a registry's RDAP answer to "domain/<name>" says (RFC 9083): the status code and body of
// the final response, read into an answer. Only a 404 is "available", and only a domain object
// for the very name asked for is "registered"; everything else is "unknown" with the reason.
// It does not send requests or decide about retries (429 and 503 are the caller's to handle).
#pragma once

#include <string_view>

#include "check/Answer.h"

namespace check {

// `name` is the name as queried (ASCII, lower case).
Answer ReadDomainReply(std::string_view name, int status, std::string_view contentType,
                       std::string_view body);

}  // namespace check
