// The bytes of the simulator's answers. Pages are written in UTF-8 here and sent encoded as
// GB18030, which the registrar labels "gb2312" (GB18030 contains GB2312, and any name a test
// submits can still be encoded). They know nothing of sessions or HTTP.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sim::pages {

inline constexpr const char* kHtmlType = "text/html; charset=gb2312";
inline constexpr const char* kJsonType = "application/json; charset=utf-8";

// UTF-8 to GB18030; bytes that are not valid UTF-8 become "?" (U+FFFD on Windows).
std::string EncodeGb18030(std::string_view utf8);

// The bulk-search page listing `names` in its "My Selected Domain Names" table, one entry per
// name in the form "...name='chkbx' id='NAME' value='1'/>...", with dotted text (prices, links)
// around the entries and markup before the marker and after the table that looks like entries.
std::string SelectionPage(const std::vector<std::string>& names);

// The answer to the bulk-search POST; the tool does not read it.
std::string SearchAnswer(size_t added);

// The answer to the removal POST; the tool does not read it.
std::string RemoveAnswer(size_t removed, size_t left);

// A small page for an error status or a redirect.
std::string StatusPage(int status);

}  // namespace sim::pages
