// International names in the form registries know them: each label with letters beyond ASCII
// becomes its A-label ("xn--..."), by IDNA 2008 with the UTS #46 mapping (non-transitional).
// libidn2 does the work on Linux, the system's IdnToAscii on Windows. It does not check the
// name's syntax beyond what IDNA itself demands.
#pragma once

#include <string>
#include <string_view>

#include "base/Result.h"

namespace names {

// The name with every label in ASCII, lower case; a name that is ASCII already comes back as it
// is. Fails with the reason when a label cannot be converted (a disallowed character, a
// right-to-left label mixed wrongly, an A-label over 63 octets or a name over 253).
base::Result<std::string> ToALabel(std::u16string_view name);

// The platform's conversion of a name with letters beyond ASCII, in ALabel-<platform>.cpp.
base::Result<std::string> ConvertIdn(std::u16string_view name);

}  // namespace names
