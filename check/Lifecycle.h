// What a registry's statuses and dates say of a registered name's life: the phase its status
// words put it in, and when a name in redemption or pending delete could be free at the
// earliest. The words are the registry's; which words mean which phase is given (RFC 8056's for
// RDAP, the WHOIS table's for WHOIS). It reads no answer and changes no status.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "check/Answer.h"

namespace check {

// Status words by phase, each written as PhaseWord writes it ("redemptionperiod").
using PhaseWords = std::map<std::string, Phase, std::less<>>;

// The days of the published timeline after a name leaves use (RFC 3915; ICANN's Expired
// Registration Recovery Policy): redemption, then pending delete, then release.
inline constexpr int kRedemptionDays = 30;
inline constexpr int kPendingDeleteDays = 5;

// RDAP's status values (RFC 8056's mapping of the EPP statuses) that name a phase.
const PhaseWords& RdapPhaseWords();

// A status word reduced to its lower-case ASCII letters: "Auto-Renew Grace" -> "autorenewgrace".
std::string PhaseWord(std::u16string_view word);

// The phase the statuses put a registered name in. A status may hold several words ("pendingDelete
// / redemptionPeriod") and a link after them ("pendingDelete https://icann.org/epp#..."). The
// latest phase of the life wins: redemption, pending delete, grace, hold; else active, or None
// when there are no statuses.
Phase PhaseOf(std::span<const std::u16string> statuses, const PhaseWords& words);

// The day at the start of a date as registries write it: "2010-12-04", "2010/12/04",
// "2011-02-11 15:38:31", "2013-07-31T12:00:00Z". Nothing for any other shape.
std::optional<std::chrono::sys_days> ReadDay(std::u16string_view text);
std::u16string DayText(std::chrono::sys_days day);

// The earliest day a name could be free, counted from its last change (the day it entered its
// phase) by the published timeline; nothing outside redemption and pending delete, or without
// the date.
std::optional<std::chrono::sys_days> EstimateRelease(Phase phase,
                                                     std::optional<std::chrono::sys_days> changed);

// Fills the answer's statuses, phase and release day. `releases` is a date the registry itself
// gives for the release, preferred to the estimate when it can be read.
void SetLifecycle(Answer& answer, std::vector<std::u16string> statuses, const PhaseWords& words,
                  std::u16string_view lastChanged, std::u16string_view releases = {});

}  // namespace check
