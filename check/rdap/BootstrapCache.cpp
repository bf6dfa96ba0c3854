#include "check/rdap/BootstrapCache.h"

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

namespace check {
namespace {

using Clock = std::chrono::system_clock;

// The bootstrap file is about 40 KB; anything far larger is not it.
constexpr std::size_t kMaxBootstrapBytes = 8u << 20;

struct Validators {
  std::string url;
  std::string etag;
  std::string lastModified;
  std::int64_t checked = 0;  // seconds since the epoch of the last fetch or confirmation
};

std::optional<std::string> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, std::size_t(in.gcount()));
    if (text.size() > kMaxBootstrapBytes) return std::nullopt;
  }
  return text;
}

// Writes beside the target and renames, so a reader never sees half a file.
bool WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  const std::filesystem::path temporary = path.string() + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(text.data(), std::streamsize(text.size())) || !out.flush()) {
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  return !error;
}

std::optional<Validators> ReadValidators(const std::filesystem::path& path) {
  const std::optional<std::string> text = ReadFile(path);
  if (!text) return std::nullopt;
  const nlohmann::json meta = nlohmann::json::parse(*text, nullptr, false);
  if (!meta.is_object()) return std::nullopt;
  Validators v;
  v.url = meta.value("url", "");
  v.etag = meta.value("etag", "");
  v.lastModified = meta.value("lastModified", "");
  v.checked = meta.value("checked", std::int64_t{0});
  return v;
}

bool WriteValidators(const std::filesystem::path& path, const Validators& v) {
  const nlohmann::json meta = {
      {"url", v.url}, {"etag", v.etag}, {"lastModified", v.lastModified}, {"checked", v.checked}};
  return WriteFile(path, meta.dump(1) + "\n");
}

std::int64_t Seconds(Clock::time_point time) {
  return std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count();
}

}  // namespace

base::Result<Bootstrap> LoadBootstrapFile(const std::filesystem::path& file) {
  const std::optional<std::string> text = ReadFile(file);
  if (!text) return base::Failure{"cannot read the bootstrap file " + file.string()};
  base::Result<Bootstrap> bootstrap = Bootstrap::Parse(*text);
  if (!bootstrap) return base::Failure{bootstrap.error() + ": " + file.string()};
  return bootstrap;
}

base::Result<LoadedBootstrap> LoadCachedBootstrap(const BootstrapCache& cache,
                                                 web::HttpClient& client, Clock::time_point now,
                                                 std::stop_token stop) {
  const std::filesystem::path dataPath = cache.folder / "dns.json";
  const std::filesystem::path metaPath = cache.folder / "dns.json.meta";

  // 1. The cached copy, if it is for the same address and still reads.
  std::optional<Bootstrap> cached;
  std::optional<Validators> validators = ReadValidators(metaPath);
  if (validators && validators->url == cache.url) {
    if (const auto text = ReadFile(dataPath)) {
      if (auto parsed = Bootstrap::Parse(*text)) cached = std::move(parsed.value());
    }
  }
  if (!cached) validators.reset();
  const auto age = std::chrono::seconds(validators ? Seconds(now) - validators->checked : 0);
  if (cached && age >= std::chrono::seconds(0) && age < cache.maxAge) {
    return LoadedBootstrap{std::move(*cached), ""};
  }

  // 2. A fetch, conditional when there is a copy to keep.
  web::Get request{cache.url, {{"Accept", "application/json"}}};
  if (validators && !validators->etag.empty()) {
    request.headers.emplace_back("If-None-Match", validators->etag);
  }
  if (validators && !validators->lastModified.empty()) {
    request.headers.emplace_back("If-Modified-Since", validators->lastModified);
  }
  const web::Reply reply = web::FetchOne(client, std::move(request), stop);
  if (stop.stop_requested()) return base::Failure{"interrupted"};

  // 3. Confirmed, replaced, or kept with a warning.
  std::string failure;
  if (!reply.ok()) {
    failure = reply.failure->message;
  } else if (reply.status == 304 && cached) {
    validators->checked = Seconds(now);
    (void)WriteValidators(metaPath, *validators);
    return LoadedBootstrap{std::move(*cached), ""};
  } else if (reply.status == 200) {
    base::Result<Bootstrap> fresh = Bootstrap::Parse(reply.body);
    if (fresh) {
      const Validators stored{cache.url, reply.Header("etag"), reply.Header("last-modified"),
                              Seconds(now)};
      std::string warning;
      if (!WriteFile(dataPath, reply.body) || !WriteValidators(metaPath, stored)) {
        warning = "cannot keep the RDAP bootstrap in " + cache.folder.string();
      }
      return LoadedBootstrap{std::move(fresh.value()), warning};
    }
    failure = fresh.error();
  } else {
    failure = "HTTP " + std::to_string(reply.status);
  }
  if (cached) {
    const auto hours = std::chrono::duration_cast<std::chrono::hours>(age).count();
    return LoadedBootstrap{std::move(*cached),
                           "cannot refresh the RDAP bootstrap from " + cache.url + " (" + failure +
                               "); using the copy from " + std::to_string(hours) + " hours ago"};
  }
  return base::Failure{"cannot get the RDAP bootstrap from " + cache.url + " (" + failure + ")" +
                      cache.advice};
}

}  // namespace check
