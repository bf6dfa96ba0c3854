// Whether a cleaned, lower-cased name can be a domain name at all, judged before anything is
// sent: it needs a dot, no empty label, labels of at most 63 octets and at most 253 octets in
// all (counted as the name goes into DNS, each non-ASCII label in its "xn--" form), only
// letters, digits, hyphens and the dots between labels, and the hyphens where hostnames allow
// them. Non-ASCII letters count as letters,
// with the marks and digits of their scripts. It does not ask whether a registry sells the name.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace names {

inline constexpr std::size_t kMaxLabelOctets = 63;
inline constexpr std::size_t kMaxNameOctets = 253;

// Why a label breaks the rules of hostnames (RFC 5891): a hyphen first or last, or "--" in the
// third and fourth places of a label that is not an A-label whose Punycode decodes to letters,
// marks and digits with at least one beyond ASCII. Nothing when it keeps them. `label` is not
// empty.
std::optional<std::u16string> LabelReason(std::u16string_view label);

// The code points an A-label ("xn--...") stands for, or nothing when it is not Punycode.
std::optional<std::u32string> ULabel(std::u16string_view aLabel);

// Why the name cannot be a domain name ("no dot", "empty label", ...), or nothing when it can.
std::optional<std::u16string> InvalidReason(std::u16string_view name);

// A letter, digit or hyphen of ASCII (either case), or a letter, mark or digit above it.
bool IsNameCharacter(char32_t c);

// The length of a label in the form DNS carries it: itself when it is ASCII, else "xn--" and its
// Punycode encoding (RFC 3492).
std::size_t LabelOctets(std::u32string_view label);

}  // namespace names
