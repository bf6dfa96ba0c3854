// Where the program keeps what it learns between runs (the RDAP bootstrap, IANA's WHOIS
// referrals): $XDG_CACHE_HOME/brelka, else ~/.cache/brelka on Linux; %LOCALAPPDATA%\Brelka on
// Windows. One implementation per platform.
#pragma once

#include <filesystem>

namespace check {

// Empty when the environment names none.
std::filesystem::path UserCacheFolder();

}  // namespace check
