#include "names/FingerprintSet.h"

#include <string>
#include <type_traits>

namespace names {
namespace {

// Full when nine slots in ten are taken: a name's probe stays within a few cache lines, and no
// power of two doubles the table past what the names need.
constexpr std::size_t kFullOf(std::size_t slots) {
  return slots / 10 * 9;
}

std::uint64_t Mix(std::uint64_t x) {
  // The finalizer of SplitMix64: every input bit reaches every output bit.
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9u;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBu;
  return x ^ (x >> 31);
}

// FNV-1a over the code units, mixed; 0 marks an empty slot.
template <class Char>
std::uint64_t FingerprintOf(std::basic_string_view<Char> name) {
  std::uint64_t hash = 0xCBF29CE484222325u;
  for (Char c : name) {
    hash ^= static_cast<std::make_unsigned_t<Char>>(c);
    hash *= 0x100000001B3u;
  }
  const std::uint64_t fingerprint = Mix(hash ^ name.size());
  return fingerprint == 0 ? 1 : fingerprint;
}

}  // namespace

std::uint64_t FingerprintSet::Fingerprint(std::u16string_view name) {
  return FingerprintOf(name);
}

std::uint64_t FingerprintSet::Fingerprint(std::string_view name) {
  return FingerprintOf(name);
}

bool FingerprintSet::Insert(std::string_view name) {
  if (size_ + 1 > kFullOf(slots_.size())) Resize(slots_.size() * 2 + 64);
  return InsertFingerprint(Fingerprint(name));
}

bool FingerprintSet::Contains(std::string_view name) const {
  if (slots_.empty()) return false;
  const std::uint64_t fingerprint = Fingerprint(name);
  for (std::size_t at = SlotOf(fingerprint);;) {
    if (slots_[at] == fingerprint) return true;
    if (slots_[at] == 0) return false;
    if (++at == slots_.size()) at = 0;
  }
}

std::size_t FingerprintSet::SlotOf(std::uint64_t fingerprint) const {
  // From the fingerprint's high half, scaled to the table without a division.
  const auto high = static_cast<std::uint32_t>(fingerprint >> 32);
  return static_cast<std::size_t>((std::uint64_t{high} * slots_.size()) >> 32);
}

void FingerprintSet::Reserve(std::size_t names) {
  if (kFullOf(slots_.size()) < names) Resize(names / 9 * 10 + 16);
}

bool FingerprintSet::Insert(std::u16string_view name) {
  if (size_ + 1 > kFullOf(slots_.size())) Resize(slots_.size() * 2 + 64);
  return InsertFingerprint(Fingerprint(name));
}

bool FingerprintSet::InsertFingerprint(std::uint64_t fingerprint) {
  for (std::size_t at = SlotOf(fingerprint);;) {
    std::uint64_t& slot = slots_[at];
    if (slot == fingerprint) return false;
    if (slot == 0) {
      slot = fingerprint;
      ++size_;
      return true;
    }
    if (++at == slots_.size()) at = 0;
  }
}

void FingerprintSet::Resize(std::size_t slots) {
  std::vector<std::uint64_t> old(slots, 0);
  old.swap(slots_);
  size_ = 0;
  for (std::uint64_t fingerprint : old) {
    if (fingerprint != 0) InsertFingerprint(fingerprint);
  }
}

}  // namespace names
