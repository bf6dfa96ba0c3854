// Which source the window's start button asks: the registrar (the default) or the registries.
// The command line chooses; without it the settings file does, where it says so in its [query]
// section ("source=registry"). The front ends find the file and read the value with the
// platform's own reader (QSettings, the profile functions); this checks the file first, line by
// line, so that a fault can be told with its line, and decides. The file is only ever read.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace app {

enum class QuerySource { Registrar, Registry };

// "registrar" or "registry", as the command line and the settings file spell them.
std::optional<QuerySource> QuerySourceNamed(std::string_view name);

struct SettingsFault {
  std::size_t line = 0;  // from 1
  std::string what;      // UTF-8
};

// Finds the first fault of a settings file's text (UTF-8, with or without a byte-order mark, or
// UTF-16 with one): a line that is not blank, a comment (";" or "#"), a "[section]" or a
// "key=value"; a key of [query] other than source; a source that is none of the two.
std::optional<SettingsFault> CheckSettings(std::string_view text);

struct SourceChoice {
  QuerySource source = QuerySource::Registrar;
  // For a message box: what is wrong with the settings file, and that the default is used.
  std::optional<std::u16string> fault;
};

// The command line's source when it gives one; else the settings file's (text: its bytes,
// nothing when there is no file; readValue: the [query] source value by the platform's reader,
// "" when it is not there); else the registrar.
SourceChoice ChooseSource(std::optional<QuerySource> given, std::u16string_view file,
                          const std::optional<std::string>& text,
                          const std::function<std::string()>& readValue);

// The window programs' own arguments ("--source NAME" or "--source=NAME"). Fails with a line for
// the user on anything else.
base::Result<std::optional<QuerySource>> ReadSourceArguments(std::span<const std::string> args);

}  // namespace app
