// Where the RDAP bootstrap comes from: a file the user names, or IANA's dns.json kept in the
// user's cache folder with its validators (ETag, Last-Modified). A copy younger than a day is
// used as it is; an older one is refreshed with a conditional request, and used with a warning
// when the refresh fails. It does not decide which registry answers a name (Bootstrap does).
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <stop_token>
#include <string>

#include "base/Result.h"
#include "check/CacheFolder.h"
#include "check/rdap/Bootstrap.h"
#include "web/HttpClient.h"

namespace check {

constexpr const char* kIanaBootstrapUrl = "https://data.iana.org/rdap/dns.json";

struct LoadedBootstrap {
  Bootstrap bootstrap;
  // For the person: e.g. that a stale copy is in use. Empty when all went well.
  std::string warning;
};

struct BootstrapCache {
  std::string url = kIanaBootstrapUrl;
  std::filesystem::path folder;  // holds dns.json and dns.json.meta
  std::chrono::hours maxAge{24};
  // What the person can do when there is neither a copy nor a fetch, after the reason (each
  // front end names what it offers).
  std::string advice;
};

// The bootstrap from the cache, fetched or refreshed through `client` when needed. Fails, with
// what to do about it, when there is neither a usable copy nor a successful fetch. A stop
// ends a fetch at once (and a stale copy is not used then).
base::Result<LoadedBootstrap> LoadCachedBootstrap(const BootstrapCache& cache,
                                                 web::HttpClient& client,
                                                 std::chrono::system_clock::time_point now,
                                                 std::stop_token stop = {});

// A bootstrap file the user names; never touches the network.
base::Result<Bootstrap> LoadBootstrapFile(const std::filesystem::path& file);

}  // namespace check
