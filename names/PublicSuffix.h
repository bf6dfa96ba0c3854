// Which names a registry holds, by the Public Suffix List's ICANN section: a name a registry
// sells is exactly one label above a public suffix ("example.com", "example.com.cn"). A name
// below that ("mail.google.com") belongs to whoever holds the name above it, and a registry
// asked about it only says it has no such name. Private entries ("blogspot.com") are left out:
// they are not registries. The list is one file, built in (names/public_suffix_list.dat, from
// Debian's publicsuffix package); libpsl reads it on Linux, PublicSuffixRules on Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace names {

// Whether a name in A-labels, lower case, is a public suffix: listed, under a wildcard rule and
// not an exception, or a top-level label the list does not name.
bool IsPublicSuffix(std::string_view aLabel);

// Whether a name in A-labels, lower case, is a public suffix by a rule of the list itself, not
// by the implicit rule that makes any top-level label one ("nosuchtld").
bool IsListedSuffix(std::string_view aLabel);

// Why a registry cannot hold the name: it is a public suffix itself, or it lies under the name a
// registry holds (which the reason names). Nothing when the name is one a registry holds.
std::optional<std::u16string> UnregistrableReason(std::string_view aLabel);

// The list built in, as a text, and the date of its version.
std::string_view PublicSuffixListText();
std::string_view PublicSuffixListDate();

}  // namespace names
