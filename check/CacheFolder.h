// Where the program keeps what it learns between runs (the RDAP bootstrap, IANA's WHOIS
// referrals): $XDG_CACHE_HOME/brelka, else ~/.cache/brelka on Linux; %LOCALAPPDATA%\Brelka on
// Windows; and what the user keeps with it (the watch list): $XDG_DATA_HOME/brelka, else
// ~/.local/share/brelka on Linux; %LOCALAPPDATA%\Brelka on Windows too. One implementation per
// platform.
#pragma once

#include <filesystem>

namespace check {

// Empty when the environment names none.
std::filesystem::path UserCacheFolder();
std::filesystem::path UserDataFolder();

}  // namespace check
